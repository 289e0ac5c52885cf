#include "tests/host/ImageFixtures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include <OpenImageIO/imagebuf.h>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quiltra-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data())) {
        dir = name.data();
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!dir.empty()) {
        std::filesystem::remove_all(dir, ignored);
    }
}

bool writeImage(const std::string& path, int width, int height, int channels,
                const TexelFunction& texel, OIIO::TypeDesc type) {
    OIIO::ImageSpec spec(width, height, channels, type);
    if (channels == 1) {
        spec.channelnames = {"Y"};
        spec.alpha_channel = -1;
    } else if (channels == 2) {
        spec.channelnames = {"Y", "A"};
        spec.alpha_channel = 1;
    }
    OIIO::ImageBuf image(spec);
    std::vector<float> pixel(static_cast<std::size_t>(channels));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < channels; ++c) {
                pixel[static_cast<std::size_t>(c)] = texel(x, y, c);
            }
            image.setpixel(x, y, pixel.data());
        }
    }
    return image.write(path);
}

bool writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}
