#include "input/KeyboardLayout.h"

#include "core/KeyCode.h"

#include <array>
#include <string_view>

namespace {

// Two rows of 97 entries; 7 marks a key that types nothing.
constexpr char kNoCharacter = 7;

struct Run {
    int firstCode;
    std::string_view unshifted;
    std::string_view shifted;
};

constexpr Run kRuns[] = {
    {KeyTilde, "`1234567890-=", "~!@#$%^&*()_+"},
    {KeyQ, "qwertyuiop[]\\", "QWERTYUIOP{}|"},
    {KeyA, "asdfghjkl;'", "ASDFGHJKL:\""},
    {KeyZ, "zxcvbnm,./", "ZXCVBNM<>?"},
    {KeySpace, " ", " "},
    {KeyKeypadSlash, "/*-+1234567890.", "/*-+1234567890."},
};

using Row = std::array<char, LayoutKeyCount>;

constexpr Row BuildRow(bool shifted) {
    Row row{};
    row.fill(kNoCharacter);
    for (const Run& run : kRuns) {
        const std::string_view text = shifted ? run.shifted : run.unshifted;
        for (std::size_t i = 0; i < text.size(); ++i) {
            row[run.firstCode + i] = text[i];
        }
    }
    return row;
}

constexpr Row kUnshifted = BuildRow(false);
constexpr Row kShifted = BuildRow(true);

}  // namespace

char TypedCharacter(int keyCode, bool shifted) {
    if (keyCode < 0 || keyCode >= LayoutKeyCount) {
        return 0;
    }
    const char c = shifted ? kShifted[keyCode] : kUnshifted[keyCode];
    return c == kNoCharacter ? 0 : c;
}
