#include "designer/ClipboardFormat.h"

#include "engine/TestedDialog.h"
#include "formfile/FormSections.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/Names.h"
#include "model/TPTDialog.h"
#include "model/Workspace.h"

namespace ornadeck {

namespace {

// Not a valid control name, so no control's section can merge into it.
constexpr std::string_view kHeader = "Ornadeck clipboard";

bool isMenuTag(std::string_view tag) { return tag == "Menu" || tag == "MenuBar"; }

// The kind word has been checked to be a kind tag, so a name is found; the bound only
// guards against a form where every candidate is somehow taken.
std::string freshName(SectionReadContext& context, std::string_view kindWord) {
    for (int attempt = 0; attempt < 10000; ++attempt) {
        std::string name = context.form.nextDefaultName(kindWord, context.workspace.nameCounter);
        if (context.form.checkName(name, nullptr)) return name;
    }
    return {};
}

// Reads one section of the clipboard under a new name and parent; returns the new control.
Control* readAs(const IniFile& clip, const std::string& section, const std::string& parentName,
                const FormSections& sections, SectionReadContext& context) {
    const std::string tag = clip.readString(section, "Control", "");
    // Only this library's kinds: the text may come from any program.
    if (tag.empty() || isMenuTag(tag) || !sections.knowsKind(tag)) return nullptr;
    const std::string name = freshName(context, tag);
    if (name.empty()) return nullptr;
    IniFile one;
    for (const std::string& key : clip.keyNames(section))
        if (!sameName(key, "Name") && !sameName(key, "Parent"))
            one.writeString(name, key, clip.readString(section, key, ""));
    // Written whether or not the text had them: the section is read under this name alone.
    one.writeString(name, "Name", name);
    if (tag != "Dialog") one.writeString(name, "Parent", parentName);
    if (!sections.readSection(one, name, context)) return nullptr;
    return context.form.findByName(name);
}

} // namespace

std::string serializeControl(const Control& control, const FormSections& sections) {
    IniFile ini;
    ini.writeInt(kHeader, "Library", static_cast<int>(sections.library()));
    ini.writeString(kHeader, "Root", control.name());
    sections.writeControl(ini, control);
    const std::string tag = ini.readString(control.name(), "Control", "");
    if (tag.empty() || isMenuTag(tag)) return {};
    return ini.toText();
}

Control* pasteControl(std::string_view text, Control& target, const FormSections& sections,
                      SectionReadContext& context) {
    const IniFile clip = IniFile::parse(text);
    if (clip.readInt(kHeader, "Library", 0) != static_cast<int>(sections.library())) return nullptr;
    const std::string root = clip.readString(kHeader, "Root", "");
    if (root.empty() || !clip.hasSection(root)) return nullptr;
    Form& form = context.form;
    const bool dialog = clip.readString(root, "Control", "") == "Dialog";
    Control& parent = dialog || !target.isDialog() ? form.surface() : target;
    TPTDialog* wasTested = form.currentDialog();
    const int counter = context.workspace.nameCounter;
    Control* made = readAs(clip, root, parent.name(), sections, context);
    if (!made) {
        // Nothing was pasted, so no number was used either.
        context.workspace.nameCounter = counter;
        return nullptr;
    }
    if (!dialog) return made;

    for (const std::string& section : clip.sectionNames()) {
        if (sameName(section, root) || sameName(section, kHeader)) continue;
        if (!sameName(clip.readString(section, "Parent", ""), root)) continue;
        if (clip.readString(section, "Control", "") == "Dialog") continue; // dialogs hold none
        readAs(clip, section, made->name(), sections, context);
    }
    // Only one dialog is shown for editing: the pasted one, whatever it was when copied.
    form.setCurrentDialog(wasTested);
    putAwayTestedDialog(form);
    testPlacedDialog(form, static_cast<TPTDialog&>(*made));
    return made;
}

} // namespace ornadeck
