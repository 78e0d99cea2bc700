#include "designer/FormSnapshot.h"

#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/Names.h"
#include "model/TPTDialog.h"
#include "model/Workspace.h"

#include <algorithm>
#include <unordered_map>

namespace ornadeck {

namespace {

int menuTestOf(const Control& c) {
    if (c.classId() == ClassId::CCMenu) return static_cast<const TCCMenu&>(c).test();
    if (c.classId() == ClassId::CCMenuBar) return static_cast<const TCCMenuBar&>(c).test();
    return 0;
}

void setMenuTest(Control& c, int test) {
    if (c.classId() == ClassId::CCMenu) static_cast<TCCMenu&>(c).setTest(test);
    if (c.classId() == ClassId::CCMenuBar) static_cast<TCCMenuBar&>(c).setTest(test);
}

bool sameState(const ControlState& a, const ControlState& b) {
    return a.name == b.name && a.visible == b.visible && a.tag == b.tag && a.menuTest == b.menuTest;
}

} // namespace

bool FormSnapshot::sameContent(const FormSnapshot& other) const {
    return name == other.name && formText == other.formText && testedDialog == other.testedDialog &&
           std::equal(controls.begin(), controls.end(), other.controls.begin(),
                      other.controls.end(), sameState);
}

FormSnapshot captureForm(const Form& form, const Workspace& workspace,
                         const FormSections& sections) {
    FormSnapshot s;
    s.name = form.name();
    s.formText = formToIni(form, sections).toText();
    form.forEachControl([&](Control& c) {
        s.controls.push_back(
            {c.name(), c.visible(), c.selected(), c.selectColor(), c.tag(), menuTestOf(c)});
    });
    if (const TPTDialog* d = form.currentDialog()) s.testedDialog = d->name();
    const Selection& sel = workspace.selected;
    s.selectedHere = sel.form == &form;
    if (s.selectedHere && sel.control && form.contains(sel.control))
        s.selectedControl = sel.control->name();
    return s;
}

Status restoreForm(const FormSnapshot& snapshot, const FormSections& sections,
                   SectionReadContext& context) {
    Form& form = context.form;
    Workspace& workspace = context.workspace;
    const int counter = workspace.nameCounter;
    const int left = form.windowLeft(), top = form.windowTop();
    const bool notifications = form.resizeNotifications();
    form.setResizeNotifications(false); // no re-marking while controls come back one by one
    // Reading shows each control it makes; a selection elsewhere is put back afterwards.
    const Selection elsewhere =
        workspace.selected.form != &form ? workspace.selected : Selection{&form, nullptr};
    workspace.selected = Selection{&form, nullptr}; // never a control that is about to go
    form.destroyAll();
    form.setName(snapshot.name);
    // Reading also lists the controls again.
    Status status = loadFormIni(IniFile::parse(snapshot.formText), sections, context);
    form.setWindowPosition(left, top);

    // Controls come back in the order they were captured; the map is for a form read back in
    // another order.
    std::unordered_map<std::string_view, const ControlState*, NameHash, SameName> states;
    std::size_t next = 0;
    auto stateOf = [&](const Control& c) -> const ControlState* {
        const auto& all = snapshot.controls;
        if (states.empty() && next < all.size() && sameName(all[next].name, c.name()))
            return &all[next++];
        if (states.empty())
            for (const ControlState& s : all)
                states.emplace(s.name, &s);
        const auto it = states.find(c.name());
        return it == states.end() ? nullptr : it->second;
    };
    form.forEachControl([&](Control& c) {
        const ControlState* found = stateOf(c);
        if (!found) return;
        const ControlState& s = *found;
        c.setVisible(s.visible);
        c.setTag(s.tag);
        setMenuTest(c, s.menuTest);
        c.setSelected(s.selected);
        c.setSelectColor(s.selectColor);
    });
    Control* tested =
        snapshot.testedDialog.empty() ? nullptr : form.findByName(snapshot.testedDialog);
    form.setCurrentDialog(tested && tested->isDialog() ? static_cast<TPTDialog*>(tested) : nullptr);
    if (snapshot.selectedHere || elsewhere.form == &form) {
        Control* c =
            snapshot.selectedControl.empty() ? nullptr : form.findByName(snapshot.selectedControl);
        workspace.selected = Selection{&form, c};
    } else {
        workspace.selected = elsewhere;
    }
    form.setResizeNotifications(notifications);
    workspace.nameCounter = std::max(counter, workspace.nameCounter);
    return status;
}

} // namespace ornadeck
