#pragma once

#include <string>

// The system clipboard's plain text (UTF-8). Both need SDL's video subsystem;
// without it, or on any failure, reading gives "" and writing changes nothing.
std::string ReadClipboard();
void WriteClipboard(const std::string& text);
