#pragma once

#include <string>
#include <vector>

// The project's own sample textures: a few distinct materials drawn by
// formula, so that a preview renders without any image of the user's.
struct SampleTexture {
    std::string fileName; // sorts in the order of the set
    std::string description;
};

const std::vector<SampleTexture>& SampleTextureSet();

// Draws every texture of the set as a size by size PNG into folder; false
// with error set when one cannot be written.
bool WriteSampleTextures(const std::string& folder, int size, std::string& error);
