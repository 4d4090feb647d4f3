#pragma once

#include <filesystem>
#include <string>

// Replaces `file` with `bytes` so that a crash, a full disk or a read-only directory
// leaves either the old file or the new one whole: the bytes go to a temporary file
// in the same directory, which is flushed to disk and renamed over the old one, and
// the directory is synced. Throws std::runtime_error naming the file on failure;
// the temporary file is removed then.
void WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes);

// Removes from `directory` the temporary files of writes that never finished (the
// process was killed mid-save): regular files named as WriteFileAtomically names them,
// ".<file name>.XXXXXX" with six letters or digits, and nothing else. A directory that
// does not exist or cannot be listed is left alone. Returns how many were removed.
int RemoveLeftoverTemporaries(const std::filesystem::path& directory);
