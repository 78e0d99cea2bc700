#pragma once

#include "engine/Engine.h"
#include "model/Form.h"
#include "model/Workspace.h"
#include "workbench/BitmapEditor.h"
#include "workbench/InspectorRules.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class FormEditor;
class LibraryKits;
class TCCBitmap;
class Ui;

// The Properties Editor without its window: the selected object's rows as the engine of the
// project's library gives them, the component list, which editor each row gets, and the way
// typed and picked values travel back. The window only binds widgets to this.
class Inspector {
  public:
    enum class Sent { No, Applied, Rejected };

    // Finds the editor of a form, whose undo history every edit goes through; none for a
    // form without one, whose rows then take no edits.
    using EditorLookup = std::function<FormEditor*(Form&)>;

    Inspector(Workspace& workspace, Ui& ui, const LibraryKits& kits, EditorLookup editorOf);

    // Reads the rows again when the engine has shown an object since they were read (or the
    // selection moved); true when it did. Costs a comparison when nothing changed, so the
    // cell being typed in survives every redraw its own edits cause.
    bool sync();
    // Reads the selected object's rows now.
    void reload();

    const std::vector<PropertyRow>& rows() const { return rows_; }
    // The object the rows belong to; with several controls marked, the selected one of them.
    const Selection& shown() const { return shown_; }
    // The controls the rows edit together, when several are marked; empty for one object.
    const std::vector<Control*>& together() const { return together_; }
    // What the component combo says for them ("3 controls"); empty for one object.
    std::string togetherText() const;
    // The active form's components, sorted by their text in reading order.
    std::vector<ComponentEntry> components() const;
    // The combo's choice becomes the selected object and the designer window marks it.
    void chooseComponent(const ComponentEntry& entry, FormEditor* designer);

    // The pick list of a row, empty when it has none.
    std::vector<std::string> entries(std::size_t row) const;
    ValueEditor editorOf(std::size_t row) const;

    // A typed value: the row keeps the text whatever happens; it goes to the engine only
    // when it may (isSendable), and a refusal is shown with the engine's message. A row that
    // applies when its edit ends (a name) only keeps the text.
    Sent type(std::size_t row, std::string_view text);
    // Whether a row's value goes to the engine only when its edit ends: a name tried at each
    // key would clash with other names on the way ("B", "Bu") and refuse an empty one.
    bool appliesWhenEditEnds(std::size_t row) const;
    // The edit of a row ended (Enter, or the cell lost the focus) with `text` in it. A row
    // that applies when its edit ends sends it now, as one step, its refusal shown once;
    // then every row shows what its object now holds, corrected or kept.
    Sent finish(std::size_t row, std::string_view text);
    // A picked value: typed, then every row shown again by the engine.
    Sent pick(std::size_t row, std::string_view text);

    // The items editor on the selected control; true when its items changed.
    bool editItems();
    // The bitmap editor's state for the selected picture, or nothing (a picture too large
    // to edit is reported).
    std::optional<BitmapEditor> openBitmap();
    // OK in the bitmap editor: the picture it was opened on takes the pixels, if it is still
    // the one shown.
    bool storeBitmap(const BitmapEditor& editor);

  private:
    Engine& engine() const;
    FormEditor* formEditor() const;
    // Whether the rows still belong to the selected object.
    bool current() const;
    TCCBitmap* picture() const;
    std::vector<std::string> entriesFor(Control* control, std::string_view name) const;
    std::vector<PropertyRow> rowsTogether() const;
    void take(std::vector<PropertyRow> rows);
    Sent send(std::size_t row, std::string_view text);

    Workspace& workspace_;
    Ui& ui_;
    const LibraryKits& kits_;
    std::vector<PropertyRow> rows_;
    Selection shown_;
    std::vector<Control*> together_;
    std::optional<unsigned> shownCount_;
    EditorLookup editorOf_;
};

} // namespace ornadeck
