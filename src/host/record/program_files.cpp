#include "host/record/program_files.h"

#include <filesystem>
#include <system_error>

#ifndef WENDMOOR_SHARE_FROM_BIN
#error "WENDMOOR_SHARE_FROM_BIN must name the installed share folder relative to the executable's"
#endif

namespace wm {

std::string programFilesFolder(const std::string& executableFolder) {
    namespace fs = std::filesystem;
    const fs::path installed = (fs::path(executableFolder) / WENDMOOR_SHARE_FROM_BIN).lexically_normal();
    std::error_code ignored;
    if (!executableFolder.empty() && fs::is_directory(installed, ignored)) {
        std::string folder = installed.string();
        if (folder.back() != '/') folder += '/';
        return folder;
    }
    return executableFolder;
}

} // namespace wm
