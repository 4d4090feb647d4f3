#include "platform/ExecutablePath.h"

std::filesystem::path ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path();
    }
    return exe.parent_path();
}

std::filesystem::path ContentHome(const std::filesystem::path& executableDirectory) {
    std::error_code error;
    if (std::filesystem::is_directory(executableDirectory / "Content", error)) {
        return executableDirectory;
    }
    const std::filesystem::path installed = (executableDirectory / ".." / "share" / "vellimor").lexically_normal();
    if (std::filesystem::is_directory(installed / "Content", error)) {
        return installed;
    }
    return {};
}
