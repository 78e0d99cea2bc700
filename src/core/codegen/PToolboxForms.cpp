#include "codegen/PToolboxForms.h"

#include "cclib/TCCBitmap.h"
#include "codegen/CodeText.h"
#include "codegen/PToolboxCreation.h"
#include "codegen/PToolboxKinds.h"
#include "model/TCCForm.h"
#include "model/TPTDialog.h"

namespace ornadeck {

namespace {

std::string num(int v) { return std::to_string(v); }

std::string openingLine(const PtUnit& unit) {
    const std::string name(unit.name);
    if (!unit.isDialog) {
        const auto& surface = static_cast<const TCCForm&>(*unit.container);
        return "  Form(" + name + "," + quoted(surface.title()) + ");";
    }
    const auto& d = static_cast<const TPTDialog&>(*unit.container);
    return "  Dialog(" + name + "," + num(d.userLeft()) + "," + num(d.userTop()) + "," +
           num(d.userWidth()) + "," + num(d.userHeight()) + "," + quoted(d.title()) + ");";
}

void writeCreate(Lines& out, const PtUnit& unit) {
    const auto& kids = unit.container->children();
    out.push_back(std::string(unit.name) + "Create(){");
    for (const auto& child : kids)
        writeItemArray(out, *child);
    out.push_back(openingLine(unit));
    for (const auto& child : kids)
        writeCreationLines(out, *child);
    out.push_back("}");
}

void writeDraw(Lines& out, const PtUnit& unit) {
    const std::string name(unit.name);
    out.push_back(name + "Draw(){");
    if (unit.hasRepeat) {
        out.push_back("  //Bind repeat events handler");
        out.push_back("  Fctl(REPEAT," + name + "Repeat);");
    }
    out.push_back("  Fctl(DRAW," + name + ");");
    for (const auto& child : unit.container->children()) {
        if (ptKindOf(*child) != PtKind::Bitmap) continue;
        const auto& b = static_cast<const TCCBitmap&>(*child);
        out.push_back("  bitmap(" + num(b.left()) + "," + num(b.top()) + "," +
                      bitmapLiterals(b.width(), b.stringBits()) + ");");
    }
    out.push_back("  " + name + "Events();");
    out.push_back("}");
}

} // namespace

void writePtForms(Lines& out, const std::vector<PtUnit>& units) {
    for (const PtUnit& unit : units) {
        writeCreate(out, unit);
        writeDraw(out, unit);
        out.emplace_back();
    }
}

} // namespace ornadeck
