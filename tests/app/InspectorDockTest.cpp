#include "InspectorFixture.h"
#include "cclib/TCCBitmap.h"
#include "dialogs/BitmapDialog.h"
#include "dialogs/BitmapGrid.h"
#include "inspector/ToolDocks.h"
#include "inspector/ZoomDock.h"
#include "ptlib/TPTList.h"
#include "workbench/BitmapEditor.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace ornadeck::app::test {
namespace {

TEST_F(InspectorDockTest, TypingTextAndLeftRedrawsTheButtonAtOnce) {
    newProject(Library::PToolboxLib);
    Control* button = place("spbButton", {20, 20});
    EXPECT_TRUE(inspector().isVisible());
    EXPECT_EQ(cell("Name"), QString::fromStdString(button->name()));

    QImage before = activeView()->picture();
    QLineEdit* line = typeInto("Text", "Go");
    EXPECT_EQ(palm(button, "Text"), "Go");
    EXPECT_NE(activeView()->picture(), before);

    // The refresh that follows every edit leaves the cell being typed in alone.
    window->refresh();
    EXPECT_EQ(inspector().editor(), line);
    EXPECT_EQ(line->text(), "Go");

    before = activeView()->picture();
    typeInto("Left", "40");
    EXPECT_EQ(palm(button, "Left"), "40");
    EXPECT_NE(activeView()->picture(), before);
    // The zoom window follows the form as it changes.
    trigger("mnuZoom");
    EXPECT_EQ(zoom().picture(), activeView()->picture());
    typeInto("Left", "60");
    EXPECT_EQ(zoom().picture(), activeView()->picture());
    EXPECT_EQ(zoom().picture().size(), QSize(167, 226));
}

TEST_F(InspectorDockTest, PickingAFontAppliesItAndUpDownMoveThroughTheRows) {
    newProject(Library::PToolboxLib);
    Control* label = place("spbLabel", {20, 20});
    pick("Font", "Bold");
    EXPECT_EQ(palm(label, "Font"), "Bold");
    EXPECT_EQ(cell("Font"), "Bold");

    auto* list = qobject_cast<QComboBox*>(inspector().openEditor("Font"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), "Bold");
    const int fontRow = inspector().grid().currentRow();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(inspector().grid().currentRow(), fontRow + 1);
    EXPECT_EQ(palm(label, "Font"), "Bold");
}

TEST_F(InspectorDockTest, BadValuesShowTheEnginesMessageAndKeepTheTypedText) {
    newProject(Library::CControls);
    Control* button = place("spbButton", {20, 20});
    const std::string left = palm(button, "Left");
    ui.messages.clear();
    QLineEdit* line = typeInto("Left", "x");
    EXPECT_EQ(ui.lastText(), "'x' is not a valid integer value");
    EXPECT_EQ(palm(button, "Left"), left);
    EXPECT_EQ(line->text(), "x");
    QTest::keyClick(line, Qt::Key_Return);
    QCoreApplication::processEvents(); // the grid closes its editor a moment later
    EXPECT_EQ(cell("Left"), QString::fromStdString(left)); // what the button still holds

    Control* image = place("spbBitmap", {60, 60});
    ASSERT_EQ(image->classId(), ClassId::CCBitmap);
    ui.messages.clear();
    auto* width = qobject_cast<QLineEdit*>(inspector().openEditor("Width"));
    ASSERT_NE(width, nullptr);
    width->setText("41");
    emit width->textEdited("41");
    EXPECT_EQ(ui.lastText(), "The maximum width of a Image control is 40");
    EXPECT_EQ(image->width(), 40);

    // Typed key by key, the corrected value is what the cell shows once the edit ends.
    ui.messages.clear();
    QLineEdit* typed = typeInto("Width", "100");
    EXPECT_EQ(ui.lastText(), "The maximum width of a Image control is 40");
    QTest::keyClick(typed, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(cell("Width"), "40");
}

// A name is tried when its edit ends, not at each key: no clash with "B" on the way, one
// message for a refused name, which then gives way to the name the control has.
TEST_F(InspectorDockTest, NamesApplyWhenTheirEditEndsAsOneStep) {
    newProject(Library::PToolboxLib);
    Control* first = place("spbButton", {20, 20});
    Control* second = place("spbButton", {20, 60});
    const std::string taken = first->name(), own = second->name();
    ui.messages.clear();
    QLineEdit* line = typeInto("Name", "Ok");
    EXPECT_EQ(second->name(), own);
    EXPECT_TRUE(ui.messages.empty());
    endEdit(line);
    EXPECT_EQ(second->name(), "Ok");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window->command("mnuUndo")->text().toStdString(), "&Undo Change " + own + " Name");
    EXPECT_TRUE(inspector().components().findText("Ok: Button") >= 0);

    for (const std::string& refused : {std::string(), taken}) {
        ui.messages.clear();
        line = typeInto("Name", QString::fromStdString(refused));
        EXPECT_TRUE(ui.messages.empty());
        endEdit(line);
        EXPECT_EQ(ui.messages.size(), 1u) << refused;
        EXPECT_EQ(second->name(), "Ok");
        EXPECT_EQ(cell("Name"), "Ok");
    }

    // Escape drops a name not yet applied; the form's own name works the same way.
    line = typeInto("Name", "Dropped");
    endEdit(line, Qt::Key_Escape);
    EXPECT_EQ(second->name(), "Ok");
    EXPECT_EQ(cell("Name"), "Ok");
    click({150, 150});
    line = typeInto("Name", "Settings");
    EXPECT_EQ(activeForm().name(), "Form1");
    endEdit(line);
    EXPECT_EQ(activeForm().name(), "Settings");
    EXPECT_TRUE(inspector().components().findText("Settings: Form") >= 0);
}

// The clipboard may hold anything, or data in no format at all: no text input breaks on it.
TEST_F(InspectorDockTest, TheComboListsTheFormSortedAndChoosesAnObject) {
    newProject(Library::PToolboxLib);
    Control* button = place("spbButton", {20, 20});
    place("spbLabel", {20, 60});
    QComboBox& combo = inspector().components();
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    EXPECT_TRUE(texts.contains("Form1: Form"));
    // In the order people read them (the order itself is the core's, tested there).
    for (int n = 3; n <= 10; ++n)
        place("spbButton", {100, 4 + 18 * (n - 3)});
    QStringList buttons;
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i).endsWith(": Button")) buttons << combo.itemText(i);
    EXPECT_LT(buttons.indexOf("Button9: Button"), buttons.indexOf("Button10: Button"))
        << buttons.join(", ").toStdString();

    const int i = combo.findText(QString::fromStdString(button->name()) + ": Button");
    ASSERT_GE(i, 0);
    combo.setCurrentIndex(i);
    emit combo.activated(i);
    EXPECT_EQ(core->workspace.selected.control, button);
    EXPECT_TRUE(button->selected());
    EXPECT_EQ(cell("Name"), QString::fromStdString(button->name()));
}

TEST_F(InspectorDockTest, ViewMenuAndProjectFileKeepTheDocksInStep) {
    EXPECT_FALSE(inspector().isVisible()); // no project yet
    newProject(Library::PToolboxLib);
    EXPECT_TRUE(inspector().isVisible());
    EXPECT_TRUE(window->command("mnuProperties")->isChecked());
    EXPECT_EQ(inspector().objectName(), "TfrmProp");

    trigger("mnuProperties");
    EXPECT_FALSE(inspector().isVisible());
    EXPECT_FALSE(core->workspace.inspector.shown);
    trigger("mnuProperties");
    EXPECT_TRUE(core->workspace.inspector.shown);

    trigger("mnuZoom");
    EXPECT_TRUE(zoom().isVisible());
    EXPECT_TRUE(core->workspace.zoom.shown);
    zoom().close(); // its close box
    EXPECT_FALSE(window->command("mnuZoom")->isChecked());
    EXPECT_FALSE(core->workspace.zoom.shown);

    const auto project = temp.path() / "Docks.ozp";
    ui.files = {project, temp.path() / "Form1.ozf"};
    trigger("mnuSaveProjectAs");
    const std::string saved = readFile(project);
    EXPECT_NE(saved.find("[Properties]\r\nActive=1"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[Zoom]\r\nActive=0"), std::string::npos) << saved;

    // A project that wants the zoom window and not the inspector.
    const auto other = temp.path() / "Other.ozp";
    {
        std::ofstream out(other);
        out << "[Project]\nLib=2\n[Properties]\nActive=0\n[Zoom]\nActive=1\n";
    }
    ui.answers = {Answer::No};
    ui.files = {other};
    trigger("mnuFileOpenProject");
    EXPECT_TRUE(zoom().isVisible());
    EXPECT_TRUE(window->command("mnuZoom")->isChecked());
    EXPECT_FALSE(inspector().isVisible());
    EXPECT_FALSE(window->command("mnuProperties")->isChecked());

    // The saved dock layout places the docks at the next start; without a project they
    // stay hidden.
    restart();
    EXPECT_FALSE(zoom().isVisible());
    EXPECT_FALSE(core->workspace.zoom.shown);
    EXPECT_FALSE(window->command("mnuZoom")->isChecked());
}

TEST_F(InspectorDockTest, OptionsAreWrittenOnOkOnly) {
    const auto file = core->settingsFile();
    whenModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Options");
        dialog.findChild<QRadioButton*>("rbtWhite")->setChecked(true);
        dialog.findChild<QLineEdit*>("fedCControls")->setText("/lib/CControls.c");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    const std::string before = std::filesystem::exists(file) ? readFile(file) : "";
    trigger("mnuOptions");
    EXPECT_EQ(std::filesystem::exists(file) ? readFile(file) : "", before);
    EXPECT_FALSE(core->settings.formWhite);

    whenModal([](QWidget& dialog) {
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("rbtGreen")->isChecked());
        dialog.findChild<QRadioButton*>("rbtWhite")->setChecked(true);
        dialog.findChild<QLineEdit*>("fedCControls")->setText("/lib/CControls.c");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    trigger("mnuOptions");
    const std::string written = readFile(file);
    EXPECT_NE(written.find("FormWhite=1"), std::string::npos) << written;
    EXPECT_NE(written.find("CControlsPath=/lib/CControls.c"), std::string::npos) << written;
}

} // namespace
} // namespace ornadeck::app::test
