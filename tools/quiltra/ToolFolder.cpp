#include "tools/quiltra/ToolFolder.h"

#include <filesystem>
#include <system_error>

std::string besideTheTool(const std::string& name) {
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    return failed ? name : (self.parent_path() / name).string();
}
