#include "core/NestingScan.h"

#include <algorithm>
#include <cstddef>

namespace NestingScan {

namespace {

// Walks a text counting lines; `Skip` jumps past a closing mark.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return text_[at_]; }
    bool LooksAt(std::string_view mark) const { return text_.substr(at_, mark.size()) == mark; }
    int Line() const { return line_; }

    void Advance() {
        if (text_[at_] == '\n') {
            ++line_;
        }
        ++at_;
    }

    // Moves just past the next `mark`, or to the end when there is none.
    void SkipPast(std::string_view mark) {
        const std::size_t found = text_.find(mark, at_);
        const std::size_t stop = found == std::string_view::npos ? text_.size() : found + mark.size();
        line_ += static_cast<int>(std::count(text_.begin() + at_, text_.begin() + stop, '\n'));
        at_ = stop;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

void SkipJsonString(Cursor& cursor) {
    cursor.Advance();  // the opening quote
    while (!cursor.AtEnd() && cursor.Peek() != '"') {
        if (cursor.Peek() == '\\') {
            cursor.Advance();
            if (cursor.AtEnd()) {
                return;
            }
        }
        cursor.Advance();
    }
    if (!cursor.AtEnd()) {
        cursor.Advance();
    }
}

// Moves past the tag's ">" (quoted attribute values may hold one); true when the tag
// closes itself ("<a/>").
bool SkipTag(Cursor& cursor) {
    char quote = 0;
    char last = 0;
    while (!cursor.AtEnd()) {
        const char c = cursor.Peek();
        cursor.Advance();
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return last == '/';
        }
        last = c;
    }
    return false;
}

}  // namespace

int JsonLineBeyond(std::string_view text, int limit) {
    Cursor cursor(text);
    int depth = 0;
    while (!cursor.AtEnd()) {
        const char c = cursor.Peek();
        if (c == '"') {
            SkipJsonString(cursor);
            continue;
        }
        if (c == '[' || c == '{') {
            if (++depth > limit) {
                return cursor.Line();
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
        cursor.Advance();
    }
    return 0;
}

int XmlLineBeyond(std::string_view text, int limit) {
    Cursor cursor(text);
    int depth = 0;
    while (!cursor.AtEnd()) {
        if (cursor.Peek() != '<') {
            cursor.Advance();
        } else if (cursor.LooksAt("<!--")) {
            cursor.SkipPast("-->");
        } else if (cursor.LooksAt("<![CDATA[")) {
            cursor.SkipPast("]]>");
        } else if (cursor.LooksAt("<?")) {
            cursor.SkipPast("?>");
        } else if (cursor.LooksAt("<!")) {
            cursor.SkipPast(">");
        } else if (cursor.LooksAt("</")) {
            cursor.SkipPast(">");
            depth = std::max(0, depth - 1);
        } else {
            if (depth == limit) {
                return cursor.Line();
            }
            depth += SkipTag(cursor) ? 0 : 1;
        }
    }
    return 0;
}

}  // namespace NestingScan
