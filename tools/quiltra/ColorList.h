#pragma once

#include "host/AColor.h"

#include <optional>
#include <string>

// A colour as "R,G,B" or "R,G,B,A"; alpha defaults to 1. Empty when the text
// is not three or four numbers separated by commas.
std::optional<AColor> parseColor(const std::string& text);
