#pragma once

#include <filesystem>
#include <string>

// Replaces `file` with `bytes` so that a crash, a full disk or a read-only directory
// leaves either the old file or the new one whole: the bytes go to a temporary file
// in the same directory, which is flushed to disk and renamed over the old one, and
// the directory is synced. Throws std::runtime_error naming the file on failure;
// the temporary file is removed then.
void WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes);
