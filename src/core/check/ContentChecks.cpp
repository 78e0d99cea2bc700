#include "cclib/TCCBitmap.h"
#include "cclib/TCCMenu.h"
#include "check/CheckContext.h"
#include "check/ControlTexts.h"
#include "codegen/CControlsKinds.h"
#include "codegen/PToolboxKinds.h"
#include "model/Form.h"
#include "model/ItemsControl.h"
#include "render/BitmapFont.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace ornadeck {

namespace {

// One PocketC string literal holds at most 255 characters.
constexpr std::size_t kLiteralLimit = 255;

std::string codePointText(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

// The generator writes a double quote as \" and leaves backslashes alone. A run of an odd
// number of backslashes before a double quote escapes that added backslash, so the quote
// ends the literal early; at the end of the text it escapes the closing quote. Either way
// the code no longer compiles. Any other backslash starts an escape, so the handheld shows
// something else than what was typed.
enum class Backslashes { None, Escapes, BreakLiteral };

Backslashes backslashesIn(std::string_view text) {
    Backslashes found = Backslashes::None;
    for (std::size_t at = text.find('\\'); at != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_not_of('\\', at), text.size());
        const bool closes = end == text.size() || text[end] == '"';
        if ((end - at) % 2 == 1 && closes) return Backslashes::BreakLiteral;
        found = Backslashes::Escapes;
        at = text.find('\\', end);
    }
    return found;
}

void checkText(CheckContext& ctx, const Form& form, const Control* c, const GeneratedText& t) {
    const std::size_t length = t.prefix.size() + t.text.size();
    if (length > kLiteralLimit)
        ctx.add(Severity::Error, "content.literal-too-long", form, c,
                t.what + " is " + std::to_string(length) +
                    " characters long as generated; a PocketC string holds at most 255");
    switch (backslashesIn(t.text)) {
    case Backslashes::BreakLiteral:
        ctx.add(Severity::Error, "content.broken-literal", form, c,
                t.what + " has a backslash right before a double quote or at its end, which "
                         "leaves its string unclosed in the generated code");
        break;
    case Backslashes::Escapes:
        ctx.add(Severity::Note, "content.escape", form, c,
                t.what + " holds a backslash, which PocketC reads as the start of an escape");
        break;
    case Backslashes::None:
        break;
    }
    for (std::size_t pos = 0; pos < t.text.size();) {
        const char32_t code = nextCodePoint(t.text, pos);
        if (ctx.gauge.canShow(t.font, code)) continue;
        ctx.add(Severity::Warning, "content.unshowable-character", form, c,
                t.what + " holds " + codePointText(code) + ", which the Palm fonts cannot show");
        break;
    }
}

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

void checkBits(CheckContext& ctx, const Form& form, const TCCBitmap& b) {
    const std::string& bits = b.stringBits();
    const long long needed = (static_cast<long long>(b.width()) + 3) / 4 * b.height();
    const auto have = static_cast<long long>(bits.size());
    const std::string size = std::to_string(b.width()) + " x " + std::to_string(b.height());
    if (have < needed)
        ctx.add(Severity::Warning, "content.bitmap-bits", form, &b,
                "StringBits has " + std::to_string(have) + " of the " + std::to_string(needed) +
                    " digits a " + size + " picture needs, so the picture shows cut short");
    else if (have > needed)
        ctx.add(Severity::Warning, "content.bitmap-bits", form, &b,
                "StringBits has " + std::to_string(have) + " digits where a " + size +
                    " picture needs " + std::to_string(needed) +
                    ", so the handheld draws rows that are not in the design");
    if (!std::all_of(bits.begin(), bits.end(), isHexDigit))
        ctx.add(Severity::Warning, "content.bitmap-bits", form, &b,
                "StringBits holds characters that are not hexadecimal digits");
}

void checkItems(CheckContext& ctx, const Form& form, const Control& c) {
    const auto* list = dynamic_cast<const ItemsControl*>(&c);
    if (!list || list->itemCount() > 0) return;
    if (c.classId() == ClassId::CCRadio && !ctx.cc())
        ctx.add(Severity::Warning, "content.no-items", form, &c,
                "the radio group has no items, so no button of it is generated");
    else if (c.classId() == ClassId::CCRadio || c.classId() == ClassId::CCMenu)
        ctx.add(Severity::Note, "content.no-items", form, &c,
                std::string(c.classId() == ClassId::CCMenu ? "the menu" : "the radio group") +
                    " has no items");
}

void checkControl(CheckContext& ctx, const Form& form, const Control& c) {
    forEachGeneratedText(c, ctx.subject.library,
                         [&](const GeneratedText& t) { checkText(ctx, form, &c, t); });
    checkItems(ctx, form, c);
    if (c.classId() == ClassId::CCBitmap) checkBits(ctx, form, static_cast<const TCCBitmap&>(c));
}

} // namespace

void checkContent(CheckContext& ctx) {
    for (const Form* form : ctx.subject.forms) {
        checkText(ctx, *form, nullptr, formTitleText(*form));
        forEachPlaced(*form,
                      [&](const Control& c, const Control&) { checkControl(ctx, *form, c); });
        for (const auto& child : form->windowChildren())
            checkControl(ctx, *form, *child);
    }
}

} // namespace ornadeck
