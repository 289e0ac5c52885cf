#include "tools/quiltra/ImageOutputFile.h"

#include "tools/quiltra/ImageFiles.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <OpenImageIO/imageio.h>
#include <unistd.h>

bool isWritableImageName(const std::string& path) {
    const std::string e = lowerCaseExtension(path);
    return e == "png" || e == "jpg" || e == "jpeg" || e == "tif" || e == "tiff" || e == "exr";
}

bool writeImageWhole(const std::string& path, int width, int height,
                     const std::vector<float>& pixels, std::string& error) {
    const std::string extension = "." + lowerCaseExtension(path);
    // The temporary keeps the extension, which tells the writer the format.
    const std::filesystem::path target(path);
    const std::filesystem::path temporary =
        target.parent_path() /
        ("." + target.stem().string() + ".partial-" + std::to_string(getpid()) + extension);
    const bool floats = extension == ".exr";
    OIIO::ImageSpec spec(width, height, 3, floats ? OIIO::TypeDesc::HALF : OIIO::TypeDesc::UINT8);
    std::unique_ptr<OIIO::ImageOutput> out = OIIO::ImageOutput::create(temporary.string());
    if (!out) {
        error = path + ": " + OIIO::geterror();
        return false;
    }
    const bool written = out->open(temporary.string(), spec) &&
                         out->write_image(OIIO::TypeDesc::FLOAT, pixels.data()) && out->close();
    if (!written) {
        error = path + ": " + out->geterror();
        out.reset();
        std::remove(temporary.string().c_str());
        return false;
    }
    out.reset();
    std::error_code failed;
    std::filesystem::rename(temporary, target, failed);
    if (failed) {
        error = path + ": " + failed.message();
        std::remove(temporary.string().c_str());
        return false;
    }
    return true;
}
