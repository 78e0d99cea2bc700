#include "codegen/CControlsKinds.h"

#include "cclib/AlignmentCode.h"
#include "cclib/DropListControl.h"
#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCSwitch.h"
#include "codegen/CodeText.h"
#include "model/ItemsControl.h"

#include <initializer_list>

namespace ornadeck {

namespace {

std::string args(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        if (!out.empty()) out += ',';
        out += std::to_string(v);
    }
    return out;
}

std::string call(const std::string& name, std::string_view fn, const std::string& argText) {
    return concat({"  ", name, "=", fn, "(", argText, ");"});
}

std::string setContent(const Control& c, std::string_view text) {
    return concat({"  Csetcontent(", c.name(), ",", ornadeck::quoted(text), ");"});
}

std::string setState(const Control& c, int state) {
    return concat({"  Csetstate(", c.name(), ",", std::to_string(state), ");"});
}

void appendItems(Lines& out, const ItemsControl& c) {
    out.push_back(concat({"  Csetcursel(", c.name(), ",", std::to_string(c.selectedItem()), ");"}));
    for (const std::string& item : c.items())
        out.push_back(concat({"  Cadditem(", c.name(), ",", ornadeck::quoted(item), ");"}));
}

std::string textLine(const TextLineControl& c, int x, int y, std::string_view fn, bool aligned) {
    std::string a = args({x, y, c.userWidth(), c.line(), c.style()});
    // Appended piecewise: `"," + std::string` trips GCC 12's -Wrestrict at -O3.
    if (aligned) {
        a += ',';
        a += std::to_string(alignmentCode(c.alignment()));
    }
    return call(c.name(), fn, a);
}

std::string pictureLiterals(const Control& c) {
    return bitmapLiterals(c.width(), static_cast<const TCCBitmap&>(c).stringBits());
}

} // namespace

std::string fontPrefix(const Control& c) {
    const int number = fontNumber(c.font().face);
    return number == 0 ? std::string() : "/f" + std::to_string(number);
}

bool isPlainPicture(const Control& control) {
    return control.classId() == ClassId::CCBitmap && control.tag() != 1;
}

bool bearsHandle(const Control& control) {
    switch (control.classId()) {
    case ClassId::CCButton:
    case ClassId::CCSwitch:
    case ClassId::CCEdit:
    case ClassId::CCLabel:
    case ClassId::CCCheckbox:
    case ClassId::CCListBox:
    case ClassId::CCRadio:
    case ClassId::CCDropDown:
    case ClassId::CCPopUp:
        return true;
    case ClassId::CCBitmap:
        return !isPlainPicture(control);
    default:
        return false;
    }
}

bool getsHandler(const Control& control) {
    return bearsHandle(control) && control.classId() != ClassId::CCPopUp;
}

std::string creationLine(const Control& c, int dx, int dy) {
    const int x = c.userLeft() + dx, y = c.userTop() + dy;
    const std::string& n = c.name();
    switch (c.classId()) {
    case ClassId::CCButton: {
        const auto& b = static_cast<const TCCButton&>(c);
        return call(n, "Cbutton",
                    args({x, y, b.userWidth(), b.userHeight(), b.line(), b.radius()}));
    }
    case ClassId::CCSwitch: {
        const auto& s = static_cast<const TCCSwitch&>(c);
        return call(n, "Cswitch",
                    args({x, y, s.userWidth(), s.userHeight(), s.line(), s.radius()}));
    }
    case ClassId::CCRadio:
        return call(n, "Cradio", args({x, y, c.userWidth(), c.userHeight()}));
    case ClassId::CCLabel:
        return textLine(static_cast<const TextLineControl&>(c), x, y, "Clabel", true);
    case ClassId::CCEdit: {
        const auto& e = static_cast<const TCCEdit&>(c);
        return e.isEditLine() ? textLine(e, x, y, "Ceditline", false)
                              : textLine(e, x, y, "Cedit", true);
    }
    case ClassId::CCListBox: {
        const int rows = static_cast<const TCCListBox&>(c).visibleItems();
        return call(n, "Clistbox", args({x, y, c.userWidth(), rows}));
    }
    case ClassId::CCDropDown:
    case ClassId::CCPopUp: {
        const int rows = static_cast<const DropListControl&>(c).visibleItems();
        const auto fn = c.classId() == ClassId::CCPopUp ? "Cpopup" : "Cdropdown";
        return call(n, fn, args({x, y, c.userWidth(), rows}));
    }
    case ClassId::CCCheckbox:
        return call(n, "Ccheckbox", args({x, y, c.width()}));
    case ClassId::CCBitmap:
        if (isPlainPicture(c)) return {};
        return call(n, "Cimage", args({c.left() + dx, c.top() + dy, c.width(), c.height()}));
    default:
        return {};
    }
}

void appendContents(Lines& out, const Control& c) {
    switch (c.classId()) {
    case ClassId::CCButton:
        out.push_back(setContent(c, fontPrefix(c) + static_cast<const TCCButton&>(c).content()));
        break;
    case ClassId::CCLabel:
        out.push_back(
            setContent(c, fontPrefix(c) + static_cast<const TextLineControl&>(c).content()));
        break;
    case ClassId::CCSwitch: {
        const auto& s = static_cast<const TCCSwitch&>(c);
        out.push_back(setContent(c, fontPrefix(c) + s.content()));
        out.push_back(setState(c, s.state()));
        break;
    }
    case ClassId::CCCheckbox: {
        const auto& b = static_cast<const TCCCheckbox&>(c);
        out.push_back(setState(c, b.state()));
        out.push_back(setContent(c, fontPrefix(c) + b.content()));
        break;
    }
    case ClassId::CCRadio:
    case ClassId::CCListBox:
    case ClassId::CCDropDown:
    case ClassId::CCPopUp:
        appendItems(out, static_cast<const ItemsControl&>(c));
        break;
    case ClassId::CCEdit: {
        const auto& e = static_cast<const TCCEdit&>(c);
        if (!e.isEditLine())
            out.push_back("  Csettopic(" + c.name() + "," + ornadeck::quoted(e.topic()) + ");");
        out.push_back(setContent(c, e.content()));
        break;
    }
    case ClassId::CCBitmap:
        if (!isPlainPicture(c))
            out.push_back("  Csetcontent(" + c.name() + "," + pictureLiterals(c) + ");");
        break;
    case ClassId::CCMenu: {
        const auto& m = static_cast<const TCCMenu&>(c);
        out.push_back("  Csettopic(" + m.name() + "," + ornadeck::quoted(m.topic()) + ");");
        for (const std::string& item : m.items())
            out.push_back("  Cadditem(" + m.name() + "," + ornadeck::quoted(item) + ");");
        break;
    }
    default:
        break;
    }
}

std::string bitmapLine(const Control& c, int dx, int dy) {
    return "    bitmap(" + args({c.left() + dx, c.top() + dy}) + "," + pictureLiterals(c) + ");";
}

} // namespace ornadeck
