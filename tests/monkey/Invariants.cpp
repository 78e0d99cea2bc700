#include "Invariants.h"

#include "AppCore.h"
#include "designer/FormEditor.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <algorithm>

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

std::string brokenRoundTrip(const Workspace& w, const LibraryKits& kits) {
    const FormSections& sections = *kits.current().sections;
    for (const auto& form : w.forms) {
        const std::string text = formToIni(*form, sections).toText();
        Workspace fresh;
        fresh.library = w.library;
        SilentUi silent;
        LibraryKits freshKits{fresh, silent};
        Form back(form->name(), w.metrics);
        SectionReadContext context{back, fresh, *freshKits.current().engine};
        if (Status s = loadFormIni(IniFile::parse(text), *freshKits.current().sections, context);
            !s)
            return "form " + form->name() + " does not read back: " + s.message();
        const std::string again = formToIni(back, *freshKits.current().sections).toText();
        if (asKept(again) != asKept(text))
            return "form " + form->name() + " reads back differently:\n" + text +
                   "\n--- read back:\n" + again;
    }
    return {};
}

} // namespace

std::string brokenInvariant(app::AppCore& core, app::DesignerViews& views) {
    if (std::string broken = brokenMarks(core.workspace, views); !broken.empty()) return broken;
    if (std::string broken = brokenHistory(views); !broken.empty()) return broken;
    return brokenRoundTrip(core.workspace, core.kits);
}

std::string brokenUndoRoundTrip(app::AppCore& core, app::DesignerViews& views) {
    (void)core;
    DesignerView* view = views.shownActiveView();
    if (!view) return {};
    FormEditor& editor = view->editor();
    if (editor.undoStack().busy() || !editor.history().canUndo()) return {};
    auto kept = [](FormSnapshot s) {
        s.formText = asKept(s.formText);
        return s;
    };
    const FormSnapshot before = kept(editor.undoStack().capture());
    if (!editor.undo()) return {};
    if (!editor.redo()) return "a step undone cannot be redone";
    if (!kept(editor.undoStack().capture()).sameContent(before))
        return "undo then redo does not give back form " + editor.form().name();
    return {};
}

} // namespace ornadeck::monkey
