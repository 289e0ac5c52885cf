#pragma once

#include <string>
#include <vector>

// Writes a width by height RGB image (floats, top row first) to path, in the
// format its extension names, whole or not at all: into a temporary file
// beside it, renamed over path once complete. False with error set.
bool writeImageWhole(const std::string& path, int width, int height,
                     const std::vector<float>& pixels, std::string& error);

// Whether the tool writes the format of this file name.
bool isWritableImageName(const std::string& path);
