#pragma once

#include <filesystem>

// The directory of the running executable; "Content" and "CrashInfo.dmp" live there.
std::filesystem::path ExecutableDirectory();
