#include "SourceFile.h"

#include "core/ContentFile.h"

std::string ReadWholeFile(const std::filesystem::path& path) {
    return ContentFile::ReadBytes(path);
}
