#include "Invariants.h"

#include "AppCore.h"
#include "designer/FormEditor.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <algorithm>
#include <unordered_set>

namespace ornadeck::monkey {

using app::DesignerView;
using app::DesignerViews;

namespace {

bool inWorkspace(const Workspace& w, const Form* form) {
    return std::any_of(w.forms.begin(), w.forms.end(),
                       [&](const auto& f) { return f.get() == form; });
}

std::string brokenMarks(const Workspace& w, DesignerViews& views) {
    const Selection& s = w.selected;
    if (s.form && !inWorkspace(w, s.form)) return "the selection names a form that is gone";
    if (s.control && (!s.form || !s.form->contains(s.control)))
        return "the selection names a control its form does not hold";
    if (w.activeForm && !inWorkspace(w, w.activeForm)) return "the active form is gone";
    for (DesignerView* view : views.all()) {
        FormEditor& editor = view->editor();
        for (GrabHandles* handles : {&editor.handles(), &editor.dialogHandles()})
            if (const Control* target = handles->target();
                target && !editor.form().contains(target))
                return "grab handles on a control form " + editor.form().name() + " does not hold";
    }
    return {};
}

std::string brokenHistory(DesignerViews& views) {
    for (DesignerView* view : views.all()) {
        const FormHistory& h = view->editor().history();
        if (h.canUndo() != (h.undoCount() > 0)) return "undo count and canUndo disagree";
        if (h.canUndo() && h.undoLabel().empty()) return "an undo step without a name";
        if (h.canRedo() && h.redoLabel().empty()) return "a redo step without a name";
        if (h.undoCount() > FormHistory::kDefaultLimit) return "more undo steps than the limit";
    }
    return {};
}

// What a form file keeps by design: a menu's open state ("Test=") is the designer's, and a
// file is read with every menu shut; blanks around a value are not kept by the format.
std::string asKept(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        start = end;
        if (line.rfind("Test=", 0) == 0) continue;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (const auto equals = line.find('='); equals != std::string::npos)
            while (line.size() > equals + 1 && line[equals + 1] == ' ')
                line.erase(equals + 1, 1);
        out += line + '\n';
    }
    return out;
}

// Whether a value of the file starts or ends with a blank, which the format cannot keep (and
// whatever was sized from the text, such as a Select's width, then comes back otherwise).
bool holdsEdgeBlanks(const std::string& text) {
    for (std::size_t at = text.find('='); at != std::string::npos; at = text.find('=', at + 1)) {
        const std::size_t end = text.find('\r', at);
        if (end == std::string::npos || end == at + 1) continue;
        if (text[at + 1] == ' ' || text[end - 1] == ' ') return true;
    }
    return false;
}

// A form written out and read back into a workspace of its own, written out again.
std::string readBack(const Workspace& w, const std::string& name, const std::string& text,
                     std::string& error) {
    Workspace fresh;
    fresh.library = w.library;
    SilentUi silent;
    LibraryKits kits{fresh, silent};
    Form back(name, w.metrics);
    SectionReadContext context{back, fresh, *kits.current().engine};
    if (Status s = loadFormIni(IniFile::parse(text), *kits.current().sections, context); !s)
        error = s.message();
    return formToIni(back, *kits.current().sections).toText();
}

std::string brokenRoundTrip(const Workspace& w, const LibraryKits& kits) {
    // Reading back depends on the text alone: a text already read back well is not read again,
    // so a look costs what changed, not the whole run's forms.
    static std::unordered_set<std::string> proven;
    const FormSections& sections = *kits.current().sections;
    for (const auto& form : w.forms) {
        std::string text = formToIni(*form, sections).toText();
        if (proven.contains(text)) continue;
        std::string error;
        const std::string again = readBack(w, form->name(), text, error);
        if (!error.empty()) return "form " + form->name() + " does not read back: " + error;
        const bool blanks = holdsEdgeBlanks(text);
        const bool same = blanks ? readBack(w, form->name(), again, error) == again
                                 : asKept(again) == asKept(text);
        if (!same)
            return "form " + form->name() + " reads back differently:\n" + text +
                   "\n--- read back:\n" + again;
        if (proven.size() > 4096) proven.clear();
        proven.insert(std::move(text));
    }
    return {};
}

} // namespace

std::string brokenInvariant(app::AppCore& core, app::DesignerViews& views) {
    if (std::string broken = brokenMarks(core.workspace, views); !broken.empty()) return broken;
    if (std::string broken = brokenHistory(views); !broken.empty()) return broken;
    return brokenRoundTrip(core.workspace, core.kits);
}

std::string statesOf(const FormSnapshot& s) {
    std::string out;
    for (const ControlState& c : s.controls)
        out += " " + c.name + (c.visible ? "" : "(hidden)") + "/" + std::to_string(c.tag) + "/" +
               std::to_string(c.menuTest);
    return out;
}

std::string brokenUndoRoundTrip(app::AppCore& core, app::DesignerViews& views) {
    (void)core;
    DesignerView* view = views.shownActiveView();
    if (!view) return {};
    FormEditor& editor = view->editor();
    if (editor.undoStack().busy() || !editor.history().canUndo()) return {};
    // The order of the controls is the file's, compared in the text; the states are compared
    // by name, since the stacking of the menus among themselves is not kept anywhere.
    auto kept = [](FormSnapshot s) {
        s.formText = asKept(s.formText);
        std::sort(s.controls.begin(), s.controls.end(),
                  [](const ControlState& a, const ControlState& b) { return a.name < b.name; });
        return s;
    };
    // Undo keeps forms as their files do: a text with blanks at its edges comes back without.
    if (holdsEdgeBlanks(editor.undoStack().capture().formText)) return {};
    const FormSnapshot before = kept(editor.undoStack().capture());
    if (!editor.undo()) return {};
    if (!editor.redo()) return "a step undone cannot be redone";
    const FormSnapshot after = kept(editor.undoStack().capture());
    if (!after.sameContent(before))
        return "undo then redo does not give back form " + editor.form().name() + ":\n" +
               before.formText + "--- after undo and redo:\n" + after.formText +
               "--- tested dialog: " + before.testedDialog + " / " + after.testedDialog +
               "\n--- states:" + statesOf(before) + "\n--- after:" + statesOf(after);
    return {};
}

} // namespace ornadeck::monkey
