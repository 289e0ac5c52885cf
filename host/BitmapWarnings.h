#pragma once

#include "host/HostApi.h"

#include <string>

// Tells the user on stderr, in one line, that a bitmap's file cannot be read.
// Each file is told of once, however many bitmap textures use it and however
// often they are updated or shaded; safe from any thread.
HOST_API void WarnUnreadableBitmap(const std::string& file, const std::string& reason);

// Forgets that the file was told of, so that a reload that fails again says so.
HOST_API void ForgetUnreadableBitmap(const std::string& file);
