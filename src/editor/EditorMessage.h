#pragma once

#include <string>

// Tells the user something about their work (a refused or failed save, a level that
// changed on disk): flashed over the play field and written to the log.
void TellUser(const std::string& text);
