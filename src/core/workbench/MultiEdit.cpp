#include "workbench/MultiEdit.h"

#include "designer/FormEditor.h"
#include "designer/ResizeNotificationsOff.h"
#include "model/Form.h"
#include "model/Ui.h"
#include "workbench/InspectorRules.h"

#include <algorithm>

namespace ornadeck {

namespace {

// Takes what the properties say while a value goes to many controls, so it can be said once.
class CollectingUi final : public Ui {
  public:
    explicit CollectingUi(Ui& real) : real_(real) {}

    Answer ask(const Message& message) override {
        if (message.buttons != MessageButtons::Ok) return real_.ask(message);
        ++told;
        if (std::find(notes.begin(), notes.end(), message.text) == notes.end())
            notes.push_back(message.text);
        return Answer::Ok;
    }
    bool editItems(std::vector<std::string>& items) override { return real_.editItems(items); }
    std::optional<std::filesystem::path> chooseOpenFile(const std::string& caption,
                                                        const std::string& filter,
                                                        const std::string& extension) override {
        return real_.chooseOpenFile(caption, filter, extension);
    }
    std::optional<std::filesystem::path>
    chooseSaveFile(const std::string& caption, const std::string& filter,
                   const std::filesystem::path& suggested) override {
        return real_.chooseSaveFile(caption, filter, suggested);
    }
    std::optional<Library> chooseLibrary(Library proposed) override {
        return real_.chooseLibrary(proposed);
    }

    std::vector<std::string> notes;
    // Every message taken, the same one again included.
    std::size_t told = 0;

  private:
    Ui& real_;
};

bool lacks(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) == names.end();
}

// What one control holds after the value went to it, and whether its rules spoke up.
struct Took {
    Control* control;
    std::string value;
    bool quiet;
};

// The controls whose value came out other than on the first control that took it without a
// word: the same text goes through the same rules on each, so a difference is a limit of
// that control, which it may not have reported itself.
std::vector<std::string> keptOwnValue(const std::vector<Took>& took) {
    std::vector<std::string> kept;
    const auto plain =
        std::find_if(took.begin(), took.end(), [](const Took& t) { return t.quiet; });
    if (plain == took.end()) return kept;
    for (const Took& t : took)
        if (t.quiet && t.value != plain->value)
            kept.push_back(t.control->name() + " keeps " + t.value);
    return kept;
}

} // namespace

std::vector<Control*> controlsEditedTogether(const Selection& selected) {
    if (!selected.form || !selected.control || !selected.control->selected()) return {};
    std::vector<Control*> marked;
    for (Control* c : selected.form->surfaceControls())
        if (c->selected()) marked.push_back(c);
    if (marked.size() < 2) return {};
    return marked;
}

std::vector<PropertyRow> commonRows(Engine& engine, Form& form,
                                    const std::vector<Control*>& controls,
                                    const EntriesOf& entriesOf) {
    std::vector<PropertyRow> rows;
    if (controls.empty()) return rows;
    std::vector<std::vector<std::string_view>> names;
    names.reserve(controls.size());
    for (const Control* c : controls)
        names.push_back(engine.propertyNames(c));
    for (std::string_view name : names.front()) {
        if (name == "Name") continue;
        const std::vector<std::string> entries = entriesOf(*controls.front(), name);
        const ValueEditor kind = editorFor(name, !entries.empty());
        if (kind == ValueEditor::ItemsBox || kind == ValueEditor::BitmapBox) continue;
        bool shared = true;
        for (std::size_t i = 1; i < controls.size() && shared; ++i)
            shared = !lacks(names[i], name) && entriesOf(*controls[i], name) == entries;
        if (!shared) continue;
        std::string value = engine.getProperty(form, controls.front(), name);
        for (std::size_t i = 1; i < controls.size() && !value.empty(); ++i)
            if (engine.getProperty(form, controls[i], name) != value) value.clear();
        rows.push_back({std::string(name), std::move(value)});
    }
    return rows;
}

std::size_t setOnEach(FormEditor& editor, Engine& engine, Ui& ui,
                      const std::vector<Control*>& controls, std::string_view name,
                      std::string_view text) {
    Form& form = editor.form();
    CollectingUi collecting(ui);
    std::vector<Took> took;
    std::string key = "properties:" + std::string(name);
    for (const Control* c : controls)
        key += ":" + c->name();
    const std::string label =
        "Set " + std::string(name) + " on " + std::to_string(controls.size()) + " controls";
    editor.undoStack().run(
        label,
        [&] {
            // A size change must not re-mark the selected control alone midway.
            const ResizeNotificationsOff quiet(form);
            for (Control* c : controls) {
                if (!form.contains(c)) continue;
                const std::size_t toldBefore = collecting.told;
                Status s = engine.setPropertyOf(form, *c, name, text, collecting);
                if (s) {
                    took.push_back(
                        {c, engine.getProperty(form, c, name), collecting.told == toldBefore});
                    continue;
                }
                collecting.ask(
                    {s.message(), "Error", MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
            }
        },
        key);
    std::string report;
    for (const std::string& note : collecting.notes)
        report += note + "\n";
    if (const std::vector<std::string> kept = keptOwnValue(took); !kept.empty()) {
        report += std::string(name) + ":";
        for (std::size_t i = 0; i < kept.size(); ++i)
            report += (i ? ", " : " ") + kept[i];
        report += "\n";
    }
    if (!report.empty()) {
        report.pop_back();
        ui.showError(report);
    }
    return took.size();
}

} // namespace ornadeck
