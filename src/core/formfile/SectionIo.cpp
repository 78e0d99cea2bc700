#include "formfile/SectionIo.h"

#include "engine/Engine.h"
#include "formfile/FormSections.h"
#include "formfile/ItemListKeys.h"
#include "model/Form.h"
#include "model/ItemsControl.h"
#include "model/TPTDialog.h"
#include "model/Workspace.h"

namespace ornadeck {

SectionWriter& SectionWriter::parent(const Control& c) {
    return text("Parent", c.parent() ? c.parent()->name() : std::string("panScreen"));
}

void SectionReader::font(Control& c) const {
    Font f = c.font();
    applyFontText(f, text("Font", ""));
    c.setFont(f);
}

Control* placeReadControl(SectionReadContext& context, std::unique_ptr<Control> control,
                          std::string_view parentName, std::string name, Status& status,
                          bool show) {
    Form& form = context.form;
    Control* parent = nullptr;
    if (control->classId() != ClassId::CCMenuBar && control->classId() != ClassId::CCMenu)
        parent = control->isDialog() ? &form.surface() : &form.parentForName(parentName);
    control->setColor(context.workspace.surfaceColor);
    // A section with an empty Name would otherwise stop the load and lose every later control.
    if (name.empty()) name = context.engine.defaultName(form, *control);
    Control* placed = form.add(std::move(control), parent, std::move(name), status);
    if (placed && show) context.engine.showWithoutRows(form, placed);
    return placed;
}

Control* placeReadControl(SectionReadContext& context, std::unique_ptr<Control> control,
                          const SectionReader& reader, std::string_view defaultName,
                          Status& status) {
    const std::string parent = reader.text("Parent", "");
    return placeReadControl(context, std::move(control), parent, reader.text("Name", defaultName),
                            status);
}

SectionWriter beginSection(IniFile& ini, const Control& control, std::string_view tag) {
    SectionWriter w(ini, control.name());
    w.text("Control", tag).text("Name", control.name());
    return w;
}

SectionWriter beginListSection(IniFile& ini, const ItemsControl& control, std::string_view tag) {
    writeItemList(ini, control.name(), control.items());
    return beginSection(ini, control, tag);
}

void readItems(const SectionReader& reader, ItemsControl& control) {
    if (auto items = readItemList(reader.keys())) control.setItems(std::move(*items));
}

Status placeRead(SectionReadContext& context, std::unique_ptr<Control> control,
                 const SectionReader& reader, std::string_view defaultName) {
    Status status;
    placeReadControl(context, std::move(control), reader, defaultName, status);
    return status;
}

bool knowsKindIn(KindReaders readers, std::string_view tag) {
    for (const auto& entry : readers)
        if (entry.first == tag) return true;
    return false;
}

Status readSectionWith(KindReaders readers, const IniFile& ini, const std::string& section,
                       SectionReadContext& context) {
    const SectionReader reader(ini, section);
    const std::string tag = reader.text("Control", "");
    for (const auto& [kind, read] : readers)
        if (kind == tag) return read(reader, context);
    return {};
}

void writeDialogSection(IniFile& ini, const Control& control, std::string_view titleKey) {
    const auto& dialog = static_cast<const TPTDialog&>(control);
    beginSection(ini, dialog, "Dialog")
        .text(titleKey, dialog.title())
        .number("Height", dialog.height())
        .number("Width", dialog.width())
        .number("Left", dialog.left())
        .number("Top", dialog.top())
        .number("Test", dialog.tag());
}

Status readDialogSection(const SectionReader& r, std::string_view titleKey,
                         SectionReadContext& context) {
    auto made = std::make_unique<TPTDialog>();
    made->setTitle(r.text(titleKey, "Dialog"));
    made->setBounds(r.number("Left", 5), r.number("Top", 60), r.number("Width", 152),
                    r.number("Height", 80));
    made->setTag(r.number("Test", 0));
    Status status;
    auto* dialog = static_cast<TPTDialog*>(
        placeReadControl(context, std::move(made), "", r.text("Name", "Dialog"), status));
    if (!dialog) return status;
    Form& form = context.form;
    if (dialog->tag() == 1)
        form.setCurrentDialog(dialog);
    else
        dialog->setVisible(false);
    dialog->setGridSpace(form.surface().gridSpace());
    dialog->setGridVisible(form.surface().gridVisible());
    return status;
}

} // namespace ornadeck
