#include "core/Utf8.h"

namespace Utf8 {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length a lead byte announces and the bits it carries; 0 for no lead byte.
std::size_t LengthOf(unsigned char lead, char32_t& bits) {
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        bits = lead & 0x1F;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        bits = lead & 0x0F;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

// The smallest code point each length may carry: anything below is overlong.
constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};

}  // namespace

char32_t Decode(const std::string& text, std::size_t& at) {
    char32_t value = 0;
    const std::size_t length = LengthOf(static_cast<unsigned char>(text[at]), value);
    if (length == 0 || at + length > text.size()) {
        ++at;
        return Invalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) {
            ++at;
            return Invalid;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++at;
        return Invalid;
    }
    at += length;
    return value;
}

std::size_t Previous(const std::string& text, std::size_t at) {
    if (at == 0) {
        return 0;
    }
    std::size_t start = at - 1;
    while (start > 0 && at - start < 4 && IsContinuation(static_cast<unsigned char>(text[start]))) {
        --start;
    }
    std::size_t end = start;
    Decode(text, end);
    return end == at ? start : at - 1;  // an ill-formed tail steps back one byte
}

std::size_t Next(const std::string& text, std::size_t at) {
    if (at >= text.size()) {
        return text.size();
    }
    Decode(text, at);
    return at;
}

}  // namespace Utf8
