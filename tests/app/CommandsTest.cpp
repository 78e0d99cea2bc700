// What a person reaches through the menus, toolbars and windows, each checked for what it
// does, not for how it is labelled.
#include "AppFixture.h"
#include "designer/LayoutCommands.h"
#include "formfile/FormFile.h"
#include "model/IniFile.h"
#include "views/DesignerSubWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

namespace ornadeck::app::test {
namespace {

class Commands : public NewProjectTest {
  protected:
    std::string formText() {
        return formToIni(activeForm(), *core->kits.current().sections).toText();
    }
    // Undo makes the controls anew: they are found by name each time.
    Control* named(const std::string& name) { return activeForm().findByName(name); }
    void markAll(const std::vector<std::string>& names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            Control* c = named(names[i]);
            click({c->left() + 2, c->top() + 2}, i == 0 ? Qt::NoModifier : Qt::ShiftModifier);
        }
    }
};

// Each button of the Align & Size toolbar does what its core call does to the same marks,
// as one step.
TEST_F(Commands, EveryLayoutButtonReachesItsCoreCall) {
    std::vector<std::string> three;
    for (auto [tool, at] :
         {std::pair{"spbButton", Point{10, 10}}, std::pair{"spbLabel", Point{50, 60}},
          std::pair{"spbCheckBox", Point{30, 110}}})
        three.push_back(place(tool, at)->name());
    LayoutCommands& layout = core->layout;
    using Call = std::function<void(Form&)>;
    const std::pair<const char*, Call> cases[] = {
        {"spbALeft", [&](Form& f) { layout.alignOrSize(f, AlignCommand::Left); }},
        {"spbAright", [&](Form& f) { layout.alignOrSize(f, AlignCommand::Right); }},
        {"spbATop", [&](Form& f) { layout.alignOrSize(f, AlignCommand::Top); }},
        {"spbABottom", [&](Form& f) { layout.alignOrSize(f, AlignCommand::Bottom); }},
        {"spbSWidth", [&](Form& f) { layout.alignOrSize(f, AlignCommand::Width); }},
        {"spbSHeight", [&](Form& f) { layout.alignOrSize(f, AlignCommand::Height); }},
        {"spbCHoriz", [&](Form& f) { layout.center(f, LayoutAxis::Horizontal); }},
        {"spbCVerti", [&](Form& f) { layout.center(f, LayoutAxis::Vertical); }},
        {"spbEHoriz", [&](Form& f) { layout.space(f, LayoutAxis::Horizontal); }},
        {"spbEVertic", [&](Form& f) { layout.space(f, LayoutAxis::Vertical); }},
    };
    for (const auto& [button, call] : cases) {
        markAll(three);
        const std::string before = formText();
        auto* widget = window->findChild<QWidget*>(button);
        ASSERT_NE(widget, nullptr) << button;
        QTest::mouseClick(widget, Qt::LeftButton);
        const std::string byButton = formText();
        EXPECT_NE(byButton, before) << button << " changed nothing: the case proves nothing";
        trigger("mnuUndo");
        ASSERT_EQ(formText(), before) << button << ": one step";
        markAll(three);
        activeView()->editor().edit("direct", [&] { call(activeForm()); });
        EXPECT_EQ(formText(), byButton) << button;
        trigger("mnuUndo");
    }
}

// Bring to Front and Send to Back from the popup restack the control clicked.
TEST_F(Commands, ThePopupRestacksTheControlClicked) {
    const std::string a = place("spbButton", {10, 10})->name();
    const std::string b = place("spbButton", {10, 60})->name();
    const std::string c = place("spbButton", {10, 110})->name();
    auto order = [&] {
        std::vector<std::string> names;
        for (const auto& child : activeForm().surface().children())
            names.push_back(child->name());
        return names;
    };
    auto popupOn = [&](const std::string& name, const char* command) {
        Control* target = named(name);
        const Point at{target->left() + 2, target->top() + 2};
        press(at, {}, Qt::RightButton);
        release(at, {}, Qt::RightButton);
        ASSERT_TRUE(window->popupMenu().isVisible());
        window->popupMenu().hide();
        trigger(command);
    };
    popupOn(a, "mnuBringtoFront");
    EXPECT_EQ(order(), (std::vector<std::string>{b, c, a}));
    popupOn(c, "mnuSendtoBack");
    EXPECT_EQ(order(), (std::vector<std::string>{c, b, a}));
}

// A real question box, closed with Escape or its close box, gives the safe answer: the
// form stays open with its work.
TEST_F(Commands, EscapeAndTheCloseBoxOfAQuestionKeepTheWork) {
    place("spbButton", {20, 20});
    core->ui.setScript(nullptr);
    auto* frame = qobject_cast<DesignerSubWindow*>(activeView()->parentWidget());
    ASSERT_NE(frame, nullptr);
    for (bool escape : {true, false}) {
        QString asked;
        whenModal([&](QWidget& box) {
            asked = static_cast<QMessageBox&>(box).text();
            if (escape)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.close();
        });
        frame->close(); // the designer window's own close box
        EXPECT_EQ(asked, "Save changes to form Form1?");
        EXPECT_TRUE(activeForm().visible()) << (escape ? "Escape" : "close box");
    }
    core->ui.setScript(&ui);
}

// Cut takes the control away and puts it on the clipboard; Paste brings it back.
TEST_F(Commands, CutThenPasteMovesAControlThroughTheClipboard) {
    Control* button = place("spbButton", {20, 20});
    const std::string name = button->name();
    trigger("mnuCut");
    EXPECT_EQ(named(name), nullptr);
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat("application/x-ornadeck-control"));
    trigger("mnuPaste");
    int controls = 0;
    activeForm().forEachControl([&](Control&) { ++controls; });
    EXPECT_EQ(controls, 1);
}

// The New Project window's second entry, "PToolBox", makes a PToolboxLib project.
TEST_F(AppFixture, TheNewProjectWindowChoosesTheLibrary) {
    core->workspace.library = Library::CControls; // what the window proposes
    core->ui.setScript(nullptr);
    whenModal([](QWidget& dialog) {
        auto* list = dialog.findChild<QComboBox*>("cmbLib");
        EXPECT_EQ(list->currentText(), "CControls");
        EXPECT_EQ(list->itemText(1), "PToolBox");
        list->setCurrentIndex(1);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    trigger("mnuNewProject");
    core->ui.setScript(&ui);
    EXPECT_EQ(core->workspace.library, Library::PToolboxLib);
    EXPECT_EQ(window->statusText(0), "PToolboxLib");
}

// Recent Projects opens a project, Remove Obsolete forgets those whose file is gone, and
// Clear List forgets them all.
TEST_F(AppFixture, TheRecentProjectsSubmenu) {
    newProject(Library::PToolboxLib);
    const auto kept = temp.path() / "Kept.ozp", gone = temp.path() / "Gone.ozp";
    for (const auto& path : {gone, kept}) {
        ui.files = {path, temp.path() / (path.stem().string() + ".ozf")};
        trigger("mnuSaveProjectAs");
    }
    std::filesystem::remove(gone);
    auto* recent = window->findChild<QMenu*>("mnuRecentProjects");
    ASSERT_NE(recent, nullptr);
    window->refresh();
    ui.answers = {Answer::No};
    recent->findChild<QAction*>("mnuRecent1")->trigger(); // Gone: reported, nothing changes
    EXPECT_EQ(ui.lastText(), "The project " + gone.string() + " does not exist.");
    trigger("mnuRemoveObsolete");
    ASSERT_EQ(core->settings.recent(), std::vector<std::string>{kept.string()});
    ui.answers = {Answer::No};
    recent->findChild<QAction*>("mnuRecent0")->trigger();
    EXPECT_EQ(core->workspace.projectPath, kept.string());
    trigger("mnuClearRecent");
    EXPECT_TRUE(core->settings.recent().empty());
    EXPECT_FALSE(window->command("mnuClearRecent")->isEnabled());
}

// A click on a CControls menu's title shows that menu in the Properties Editor, open.
TEST_F(AppFixture, AClickOnAMenuTitleShowsTheMenu) {
    newProject(Library::CControls);
    Control* menu = place("spbMenu", {20, 40});
    ASSERT_NE(menu, nullptr);
    place("spbButton", {20, 80});
    ASSERT_NE(core->workspace.selected.control, menu);
    const Point title{menu->left() - activeForm().surface().left() + 2,
                      menu->top() - activeForm().surface().top() + 2};
    click(title);
    EXPECT_EQ(core->workspace.selected.control, menu);
    EXPECT_EQ(window->docks().inspector().components().currentText().toStdString(),
              menu->name() + ": Menu");
}

} // namespace
} // namespace ornadeck::app::test
