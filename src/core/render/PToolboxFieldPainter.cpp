#include "ptlib/TPTEdit.h"
#include "render/BitmapFont.h"
#include "render/PToolboxPaintParts.h"

#include <algorithm>
#include <string_view>

namespace ornadeck {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

void drawJustified(Canvas& canvas, const TPTEdit& edit, int y, std::string_view t) {
    if (edit.justification() == 0) {
        canvas.text(0, y, t);
    } else {
        const std::string_view s = trimmed(t);
        canvas.text(edit.width() - canvas.textWidth(s), y, s);
    }
}

// Length in bytes of the longest prefix ending at a space within the first `width` pixels
// of `text`; 0 when no space fits. Widths add up glyph by glyph, so the prefix grows by
// measuring one character at a time.
std::size_t breakBefore(const Canvas& canvas, std::string_view text, int width) {
    std::size_t lastSpace = 0;
    int used = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        nextCodePoint(text, pos);
        used += canvas.textWidth(text.substr(start, pos - start));
        if (used > width) break;
        if (text[start] == ' ') lastSpace = pos;
    }
    return lastSpace;
}

} // namespace

void paintPTEdit(Canvas& canvas, const TPTEdit& edit) {
    const int w = edit.width();
    canvas.setPen(kBlack);
    canvas.setFontColor(kBlack);
    // A font that measures nothing still gets rows of one pixel rather than a division by 0.
    const int r = std::max(1, canvas.textHeight("A"));
    const bool singleLine = edit.singleLine() != 0;
    const int lines = singleLine ? 1 : edit.height() / r;

    std::string_view rest = edit.text();
    bool wrapping = false;
    if (singleLine || canvas.textWidth(rest) <= w)
        drawJustified(canvas, edit, 0, rest);
    else
        wrapping = true;

    for (int i = 0; i < lines; ++i) {
        if (edit.underline() == 0) {
            const int y = (i + 1) * r - 1;
            canvas.polygon({{0, y}, {w, y}});
            for (int x = 0; x < w; x += 2)
                canvas.pixel(x, y, edit.color());
        }
        if (!wrapping) continue;
        if (canvas.textWidth(rest) > w) {
            const std::size_t cut = breakBefore(canvas, rest, w);
            drawJustified(canvas, edit, i * r, rest.substr(0, cut));
            rest.remove_prefix(cut);
            // With no space to break at, every later line would stay empty the same way: an
            // overlong word is never drawn, so measuring it again is pointless.
            if (cut == 0) wrapping = false;
        } else {
            drawJustified(canvas, edit, i * r, rest);
            wrapping = false;
        }
    }
}

} // namespace ornadeck
