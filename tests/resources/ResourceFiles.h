#pragma once

#include <fstream>
#include <sstream>
#include <string>

// A file of the source tree, read whole; empty when it cannot be read.
inline std::string readSourceFile(const std::string& relativePath) {
    std::ifstream in(std::string(QUILTRA_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
