#include "codegen/CControlsGenerator.h"

#include "codegen/CControlsEvents.h"
#include "codegen/CControlsForms.h"
#include "codegen/CControlsKinds.h"
#include "codegen/CControlsScope.h"
#include "codegen/CodeText.h"
#include "model/Form.h"
#include "model/TPTDialog.h"

namespace ornadeck {

namespace {

std::string include(std::string_view project, std::string_view suffix) {
    return "#include \"" + std::string(project) + std::string(suffix) + "\"";
}

void memoTitle(Lines& out, bool memos, std::string_view project, std::string_view suffix) {
    if (memos) out.push_back("/$ " + std::string(project) + std::string(suffix));
}

void writeEntry(Lines& out, const std::string& name) {
    out.push_back(name + "(){");
    for (const char* part : {"Controls", "Contents", "Draw", "Events"})
        out.push_back("  " + name + part + "();");
    out.push_back("}");
    out.push_back("");
}

} // namespace

void CControlsGenerator::generateMain(Lines& out, const FormList& forms, const Form& first,
                                      std::string_view project) const {
    out.push_back("");
    out.push_back(include(project, ".h"));
    out.push_back(include(project, "Forms.pc"));
    out.push_back(include(project, "Events.pc"));
    out.insert(out.end(), {"", "//init", "main(){", "  graph_on();", "  title(\"\");",
                           "  " + first.name() + "();", "}", ""});
    for (const Form* form : forms)
        for (const CControlsScope& scope : scopesOf(*form))
            writeEntry(out, scope.name());
}

void CControlsGenerator::generateForms(Lines& out, bool memos, const FormList& forms,
                                       std::string_view project) const {
    memoTitle(out, memos, project, "Forms.pc");
    out.push_back("#include \"Ccontrols.c\"");
    for (const Form* form : forms)
        for (const CControlsScope& scope : scopesOf(*form))
            writeCControlsForms(out, scope);
}

void CControlsGenerator::generateEvents(Lines& out, bool memos, const FormList& forms,
                                        std::string_view project) const {
    memoTitle(out, memos, project, "Events.pc");
    out.push_back(include(project, ".h"));
    for (const Form* form : forms)
        for (const CControlsScope& scope : scopesOf(*form))
            writeCControlsEvents(out, scope);
}

void CControlsGenerator::generateHeader(Lines& out, bool memos, const FormList& forms,
                                        std::string_view project) const {
    memoTitle(out, memos, project, ".h");
    out.push_back("//Form and dialog prototypes");
    for (const Form* form : forms)
        for (const CControlsScope& scope : scopesOf(*form))
            out.push_back(scope.name() + "();");
}

void CControlsGenerator::generateControlTexts(Lines& out, const Control& control) const {
    if (control.isDialog())
        out.push_back(ornadeck::quoted(static_cast<const TPTDialog&>(control).title()));
    else if (isPlainPicture(control))
        out.push_back(bitmapLine(control, 0, 0));
    else
        appendContents(out, control);
}

} // namespace ornadeck
