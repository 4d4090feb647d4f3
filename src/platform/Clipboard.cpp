#include "platform/Clipboard.h"

#include <SDL.h>

std::string ReadClipboard() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return "";
    }
    char* text = SDL_GetClipboardText();
    if (text == nullptr) {
        return "";
    }
    std::string result(text);
    SDL_free(text);
    return result;
}

void WriteClipboard(const std::string& text) {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_SetClipboardText(text.c_str());
    }
}
