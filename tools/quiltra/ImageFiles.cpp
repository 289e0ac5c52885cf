#include "tools/quiltra/ImageFiles.h"

#include "tools/quiltra/ToolFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include <OpenImageIO/imageio.h>

std::string lowerCaseExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty()) {
        extension.erase(0, 1);
    }
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool isImageFileName(const std::string& path) {
    const std::string extension = lowerCaseExtension(path);
    if (extension.empty()) {
        return false;
    }
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
    return besideTheTool("samples");
}
