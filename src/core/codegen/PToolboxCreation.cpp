#include "codegen/PToolboxCreation.h"

#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "codegen/CodeText.h"
#include "codegen/PToolboxKinds.h"
#include "model/Rounding.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"

#include <initializer_list>

namespace ornadeck {

namespace {

std::string num(long long v) { return std::to_string(v); }

// "  Fn(a,b,c);"
std::string call(std::string_view fn, std::initializer_list<std::string> args) {
    std::string line = "  " + std::string(fn) + "(";
    bool first = true;
    for (const std::string& arg : args) {
        if (!first) line += ',';
        line += arg;
        first = false;
    }
    return line + ");";
}

std::string textattr(int font) { return "  textattr(" + num(font) + ",1,0);"; }

std::string buttonAttr(const TPTButton& b) {
    const int frame = b.frame();
    const char digit = frame >= 0 && frame <= 3 ? static_cast<char>('0' + frame) : '0';
    return std::string("0x") + digit + (isRepeatButton(b) ? '5' : '0');
}

std::string fieldAttr(const TPTEdit& e) {
    std::string attr = "0x";
    for (int v : {e.justification(), e.numbersOnly(), e.editable(), e.underline(), e.singleLine()})
        attr += v == 1 ? '1' : '0';
    return attr;
}

void writeRadio(Lines& out, const TCCRadio& r) {
    const int n = r.itemCount();
    if (n == 0) return; // no button to write, and no width to share out
    const std::string attr = "0x" + groupHex(r.tag()) + "01";
    const bool horizontal = r.orientation() == 0;
    const int w = horizontal ? roundHalfToEven(r.width() - n - 1, n) : r.userWidth();
    const int h = horizontal ? r.userHeight() : (r.height() - n - 1) / n;
    // Wide enough that a long group cannot overflow while stepping.
    long long x = r.userLeft();
    long long y = r.userTop();
    for (int i = 0; i < n; ++i) {
        const std::string id = r.name() + num(i);
        out.push_back(call("Button", {id, attr, num(x), num(y), num(w), num(h),
                                      quoted(r.items()[static_cast<std::size_t>(i)])}));
        if (i == r.selectedItem()) out.push_back(call("FsetState", {id, "1"}));
        (horizontal ? x : y) += (horizontal ? w : h) + 1;
    }
}

void writeList(Lines& out, const TPTList& l) {
    const std::string& n = l.name();
    const std::string trigger = isLinked(l.trigger()) ? l.trigger() : "0";
    out.push_back(call("List", {n, num(l.userLeft()), num(l.userTop()), num(l.width()),
                                num(l.maxItems()), trigger}));
    if (l.itemCount() > 0) out.push_back(call("FaddList", {n, num(l.itemCount()), "itm" + n}));
}

void writeKindLines(Lines& out, const Control& c) {
    const std::string& n = c.name();
    const std::string ul = num(c.userLeft()), ut = num(c.userTop());
    const std::string uw = num(c.userWidth()), uh = num(c.userHeight());
    const std::string l = num(c.left()), t = num(c.top());
    const std::string w = num(c.width()), h = num(c.height());
    switch (ptKindOf(c)) {
    case PtKind::Button: {
        const auto& b = static_cast<const TPTButton&>(c);
        out.push_back(call("Button", {n, buttonAttr(b), ul, ut, uw, uh, quoted(b.text())}));
        break;
    }
    case PtKind::Push: {
        const auto& p = static_cast<const TCCSwitch&>(c);
        const std::string attr = "0x" + groupHex(p.tag()) + "01";
        out.push_back(call("Button", {n, attr, ul, ut, uw, uh, quoted(p.content())}));
        if (p.state() == 1) out.push_back(call("FsetState", {n, "1"}));
        break;
    }
    case PtKind::Select: {
        const auto& s = static_cast<const TCCButton&>(c);
        const std::string attr = s.alignment() == Alignment::Right ? "0x1004" : "0x4";
        out.push_back(call("Button", {n, attr, ul, ut, "0", uh, quoted(s.content())}));
        break;
    }
    case PtKind::CheckBox: {
        const auto& k = static_cast<const TPTCheckbox&>(c);
        const std::string attr = "0x" + groupHex(k.groupNumber()) + "02";
        out.push_back(call("Button", {n, attr, ul, ut, w, h, quoted(k.content())}));
        // Unlike the Push and Radio state lines, this one stands at the margin.
        if (k.state() == 1) out.push_back(call("FsetState", {n, "1"}).substr(2));
        break;
    }
    case PtKind::PopTrigger: {
        const auto& p = static_cast<const TPTPopTrigger&>(c);
        out.push_back(call("Button", {n, "0x3", l, t, w, h, quoted(p.text())}));
        break;
    }
    case PtKind::Field: {
        const auto& e = static_cast<const TPTEdit&>(c);
        out.push_back(
            call("Field", {n, fieldAttr(e), l, t, w, h, num(e.maxChars()), quoted(e.text())}));
        break;
    }
    case PtKind::List:
        writeList(out, static_cast<const TPTList&>(c));
        break;
    case PtKind::Label:
        out.push_back(call("Label", {n, l, t, quoted(static_cast<const TPTLabel&>(c).content())}));
        break;
    case PtKind::Gsi:
        out.push_back(call("GSI", {l, t}));
        break;
    case PtKind::Radio:
        writeRadio(out, static_cast<const TCCRadio&>(c));
        break;
    case PtKind::Dialog:
    case PtKind::Bitmap:
    case PtKind::Other:
        break;
    }
}

} // namespace

void writeItemArray(Lines& out, const Control& child) {
    if (ptKindOf(child) != PtKind::List) return;
    const auto& items = static_cast<const TPTList&>(child).items();
    if (items.empty()) return;
    std::string line =
        "string itm" + child.name() + "[" + num(static_cast<int>(items.size())) + "] = {";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) line += ',';
        line += quoted(items[i]);
    }
    out.push_back(line + "};");
}

void writeCreationLines(Lines& out, const Control& child) {
    Lines own;
    writeKindLines(own, child);
    if (own.empty()) return;
    const int font = ptKindOf(child) == PtKind::Gsi ? 0 : fontNumber(child.font().face);
    if (font != 0) out.push_back(textattr(font));
    out.insert(out.end(), own.begin(), own.end());
    if (font != 0) out.push_back(textattr(0));
}

} // namespace ornadeck
