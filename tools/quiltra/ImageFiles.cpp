#include "tools/quiltra/ImageFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include <OpenImageIO/imageio.h>

bool isImageFileName(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (extension.size() < 2) {
        return false;
    }
    extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& format : OIIO::get_extension_map()) {
        if (std::find(format.second.begin(), format.second.end(), extension) !=
            format.second.end()) {
            return true;
        }
    }
    return false;
}

bool imageFilesIn(const std::string& folder, std::vector<std::string>& files, std::string& error) {
    std::error_code failed;
    std::filesystem::directory_iterator entries(folder, failed);
    if (failed) {
        error = folder + ": " + failed.message();
        return false;
    }
    for (const auto& entry : entries) {
        std::error_code ignored;
        if (entry.is_regular_file(ignored) && isImageFileName(entry.path().string())) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return true;
}

std::string sampleTexturesFolder() {
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    return failed ? std::string("samples") : (self.parent_path() / "samples").string();
}
