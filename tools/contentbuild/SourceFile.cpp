#include "SourceFile.h"

#include "core/ContentError.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ContentError(path, std::string("cannot open (") + std::strerror(errno) + ")");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

