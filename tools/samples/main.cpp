// Draws the sample textures into the folder given, at build time.
#include "tools/samples/SampleTextures.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quiltra_sample_textures FOLDER\n");
        return 2;
    }
    std::error_code failed;
    std::filesystem::create_directories(argv[1], failed);
    std::string error;
    if (failed || !WriteSampleTextures(argv[1], 512, error)) {
        std::fprintf(stderr, "quiltra_sample_textures: %s\n",
                     failed ? failed.message().c_str() : error.c_str());
        return 1;
    }
    return 0;
}
