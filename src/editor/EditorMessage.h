#pragma once

#include <string>
#include <vector>

// Tells the user something about their work (a refused or failed save, a level that
// changed on disk): shown on the editor's message bar (EdMessageBarBhv), over the
// palettes and dialogs, and written to the log.
void TellUser(const std::string& text);

// "a, b, c", for naming things in a message.
std::string JoinNames(const std::vector<std::string>& names);
