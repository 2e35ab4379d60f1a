#include "console/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace wm {

namespace {
namespace fs = std::filesystem;

// Beside the target, so the rename stays within one file system.
fs::path temporaryBeside(const fs::path& target) {
    fs::path temporary = target;
    temporary.replace_filename("." + target.filename().string() + ".part");
    return temporary;
}

// On the disk, not only in the system's buffers, before it replaces the old file: a crash after the
// rename must find the new file whole.
bool syncToDisk(const fs::path& file) {
    const int descriptor = ::open(file.c_str(), O_RDONLY);
    if (descriptor < 0) return false;
    const bool synced = ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && synced;
}
} // namespace

bool WriteWholeFile(const std::string& path, std::string_view content) {
    const fs::path target(path);
    if (target.filename().empty()) return false;
    const fs::path temporary = temporaryBeside(target);
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
            out.flush();
            written = static_cast<bool>(out);
        }
        out.close();
        written = written && !out.fail();
    }
    written = written && syncToDisk(temporary);
    std::error_code error;
    if (written) {
        fs::rename(temporary, target, error);
        if (!error) return true;
    }
    fs::remove(temporary, error);
    return false;
}

} // namespace wm
