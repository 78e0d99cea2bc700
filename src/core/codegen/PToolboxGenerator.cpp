#include "codegen/PToolboxGenerator.h"

#include "cclib/TCCBitmap.h"
#include "codegen/CodeText.h"
#include "codegen/PToolboxCreation.h"
#include "codegen/PToolboxEvents.h"
#include "codegen/PToolboxForms.h"
#include "codegen/PToolboxKinds.h"
#include "codegen/PToolboxNumbers.h"
#include "codegen/PToolboxUnits.h"
#include "model/Form.h"
#include "model/TPTDialog.h"

namespace ornadeck {

namespace {

void memoTitle(Lines& out, bool memos, std::string_view project, std::string_view suffix) {
    if (memos) out.push_back("/$ " + std::string(project) + std::string(suffix));
}

} // namespace

void PToolboxGenerator::generateMain(Lines& out, const FormList& forms, const Form& first,
                                     std::string_view project) const {
    out.insert(out.end(),
               {"", "library \"PToolboxLib\"", "#include \"Fctl.h\"",
                "#include \"" + std::string(project) + ".h\"",
                "#include \"" + std::string(project) + "Forms.pc\"",
                "#include \"" + std::string(project) + "Events.pc\"", "//init", "main(){"});
    for (const PtUnit& unit : ptUnits(forms))
        out.push_back("  " + std::string(unit.name) + "Create();");
    out.insert(out.end(), {"", "  //Show first form", "  " + first.name() + "Draw();", "}", ""});
}

void PToolboxGenerator::generateForms(Lines& out, bool memos, const FormList& forms,
                                      std::string_view project) const {
    memoTitle(out, memos, project, "Forms.pc");
    writePtForms(out, ptUnits(forms));
}

void PToolboxGenerator::generateEvents(Lines& out, bool memos, const FormList& forms,
                                       std::string_view project) const {
    memoTitle(out, memos, project, "Events.pc");
    writePtEvents(out, ptUnits(forms));
}

void PToolboxGenerator::generateHeader(Lines& out, bool memos, const FormList& forms,
                                       std::string_view project) const {
    memoTitle(out, memos, project, ".h");
    const std::vector<PtUnit> units = ptUnits(forms);
    for (const PtNumberBlock& block : ptNumbers(units)) {
        out.push_back("//" + std::string(block.owner) + " ID numbers");
        for (const PtNumber& n : block.numbers)
            out.push_back("#define " + n.name + " " + std::to_string(n.number));
        out.emplace_back();
    }
    out.push_back("//Prototypes");
    for (const PtUnit& unit : units) {
        const std::string name(unit.name);
        out.insert(out.end(), {name + "Create();", name + "Events();", name + "Draw();"});
        if (unit.hasRepeat) out.push_back("int " + name + "Repeat(int butID);");
        out.emplace_back();
    }
}

void PToolboxGenerator::generateControlTexts(Lines& out, const Control& control) const {
    if (control.isDialog()) {
        out.push_back(ornadeck::quoted(static_cast<const TPTDialog&>(control).title()));
    } else if (ptKindOf(control) == PtKind::Bitmap) {
        const auto& b = static_cast<const TCCBitmap&>(control);
        out.push_back(bitmapLiterals(b.width(), b.stringBits()));
    } else {
        writeItemArray(out, control);
        writeCreationLines(out, control);
    }
}

} // namespace ornadeck
