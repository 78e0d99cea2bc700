#include "codegen/CControlsForms.h"

#include "cclib/TCCMenu.h"
#include "codegen/CControlsKinds.h"
#include "codegen/CodeText.h"
#include "model/Form.h"
#include "model/TPTDialog.h"

namespace ornadeck {

namespace {

bool isMenuBar(const Control& c) { return c.classId() == ClassId::CCMenuBar; }
bool isMenu(const Control& c) { return c.classId() == ClassId::CCMenu; }

// A scope with nothing to declare writes no handle line: "Chandle ;" would not compile.
void writeHandleLine(Lines& out, const CControlsScope& s) {
    std::string names;
    if (!s.isForm()) names = "h" + s.name() + ", ";
    for (const auto& child : s.container().children())
        if (bearsHandle(*child)) names.append(child->name()).append(", ");
    if (s.isForm())
        for (const auto& child : s.form->windowChildren())
            if (isMenuBar(*child) || isMenu(*child)) names += child->name() + ", ";
    if (names.empty()) return;
    names.resize(names.size() - 2);
    out.push_back("Chandle " + names + ";");
    out.push_back("");
}

void writeControls(Lines& out, const CControlsScope& s) {
    out.push_back(s.name() + "Controls(){");
    if (!s.isForm()) {
        const Control& d = *s.dialog;
        out.push_back("  h" + s.name() + "=Cframe(" + std::to_string(d.left()) + "," +
                      std::to_string(d.top()) + "," + std::to_string(d.width()) + "," +
                      std::to_string(d.height()) + ");");
    }
    for (const auto& child : s.container().children()) {
        if (!bearsHandle(*child)) continue;
        if (std::string line = creationLine(*child, s.offsetX(), s.offsetY()); !line.empty())
            out.push_back(std::move(line));
    }
    if (s.isForm()) {
        for (const auto& child : s.form->windowChildren()) {
            if (isMenuBar(*child)) out.push_back("  " + child->name() + "=Cmenubar();");
            if (!isMenu(*child)) continue;
            const auto& m = static_cast<const TCCMenu&>(*child);
            out.push_back("  " + m.name() + "=Cmenu(" + std::to_string(m.userLeft()) + "," +
                          std::to_string(m.userWidth()) + "," + std::to_string(m.topicWidth()) +
                          ");");
        }
    }
    out.push_back("}");
}

void writeMenuContents(Lines& out, const Form& form) {
    const std::vector<Control*> menus = form.menus();
    for (const auto& child : form.windowChildren()) {
        if (isMenuBar(*child))
            for (const Control* menu : menus)
                out.push_back("  Caddmenu(" + child->name() + "," + menu->name() + ");");
        if (isMenu(*child)) appendContents(out, *child);
    }
}

void writeContents(Lines& out, const CControlsScope& s) {
    out.push_back(s.name() + "Contents(){");
    if (!s.isForm()) {
        const auto& title = static_cast<const TPTDialog&>(*s.dialog).title();
        out.push_back("  Csetcontent(h" + s.name() + "," + ornadeck::quoted(title) + ");");
    }
    for (const auto& child : s.container().children())
        if (bearsHandle(*child)) appendContents(out, *child);
    if (s.isForm()) writeMenuContents(out, *s.form);
    out.push_back("}");
}

void writeDraw(Lines& out, const CControlsScope& s) {
    out.push_back(s.name() + "Draw(){");
    if (s.isForm()) {
        out.push_back("  title(" + ornadeck::quoted(s.form->surface().title()) + ");");
        out.push_back("  clearg();");
    } else {
        out.push_back("  Cdraw(h" + s.name() + ");");
    }
    for (const auto& child : s.container().children()) {
        if (isPlainPicture(*child))
            out.push_back(bitmapLine(*child, s.offsetX(), s.offsetY()));
        else if (bearsHandle(*child))
            out.push_back(concat({"  Cdraw(", child->name(), ");"}));
    }
    out.push_back("}");
    out.push_back("");
}

} // namespace

void writeCControlsForms(Lines& out, const CControlsScope& scope) {
    writeHandleLine(out, scope);
    writeControls(out, scope);
    writeContents(out, scope);
    writeDraw(out, scope);
}

} // namespace ornadeck
