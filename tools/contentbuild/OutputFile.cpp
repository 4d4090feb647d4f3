#include "OutputFile.h"

#include "ContentError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

void WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            const std::string reason = std::strerror(errno);
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw ContentError(path, "cannot write (" + reason + ")");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw ContentError(path, "cannot replace (" + error.message() + ")");
    }
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ContentError(path, std::string("cannot open (") + std::strerror(errno) + ")");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
