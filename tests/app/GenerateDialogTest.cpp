#include "generate/GenerateDialog.h"

#include "AppFixture.h"
#include "cli/GenerateCommand.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace ornadeck::app::test {
namespace {

namespace fs = std::filesystem;

const char* const kPanes[] = {"memMain", "memForms", "memEvents", "memHeader"};
const char* const kSuffixes[] = {".pc", "Forms.pc", "Events.pc", ".h"};

// A saved file as its pane shows it: "\n" line breaks and none after the last line.
QString asPane(const std::string& file) {
    QString text = QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith('\n')) text.chop(1);
    return text;
}

class GenerateDialogTest : public AppFixture {
  protected:
    // Opens a copy of the example, its windows activated so that their order is the
    // project file's, the order the command-line tool generates in.
    fs::path openExample() {
        fs::copy(sourceDir() / "examples" / "ptoolbox", temp.path() / "ptoolbox");
        const fs::path project = temp.path() / "ptoolbox" / "Palm.ozp";
        window->openPaths({QString::fromStdString(project.string())});
        for (const char* name : {"Settings", "Main"})
            for (const auto& form : core->workspace.forms)
                if (form->name() == name)
                    window->area().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(
                        window->views().viewOf(form.get())->parentWidget()));
        return project;
    }
    // Presses F7 and runs `drive` on the generate window while it is shown modally.
    void withGenerateWindow(const std::function<void(GenerateDialog&)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<GenerateDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                drive(*dialog);
                driven = true;
                dialog->reject();
            }
        });
        trigger("mnuProjectGenerateCode");
        EXPECT_TRUE(driven);
    }
    template <class T> static T* part(GenerateDialog& d, const char* name) {
        T* found = d.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(GenerateDialogTest, GeneratesWhatTheCommandLineToolDoesAndSavesTheSameBytes) {
    const fs::path project = openExample();
    const fs::path gui = temp.path() / "gui";
    QString panes[4];
    withGenerateWindow([&](GenerateDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Ornadeck 1.0 - Generate code - PToolboxLib");
        EXPECT_TRUE(d.isMaximized());
        EXPECT_EQ(part<QComboBox>(d, "cmbForms")->currentText(), "Main");
        EXPECT_EQ(part<QLineEdit>(d, "edtCID")->maxLength(), 4);
        EXPECT_EQ(part<QLineEdit>(d, "edtAppDB")->maxLength(), 31);
        EXPECT_EQ(part<QLabel>(d, "lblLinesMain")->text(), "");
        auto* save = part<QPushButton>(d, "butSave");
        EXPECT_FALSE(save->isEnabled());

        QTest::mouseClick(part<QPushButton>(d, "butGenerar"), Qt::LeftButton);
        EXPECT_TRUE(save->isEnabled());
        for (int i = 0; i < 4; ++i)
            panes[i] = part<QPlainTextEdit>(d, kPanes[i])->toPlainText();
        EXPECT_EQ(part<QLabel>(d, "lblLinesHeader")->text(),
                  QString::number(panes[3].count('\n') + 1) + " lines");
        EXPECT_EQ(part<QLabel>(d, "lblCharsHeader")->text(),
                  QString::number(panes[3].size()) + " chars");

        auto* output = part<QLineEdit>(d, "dedOutput");
        output->clear();
        QTest::keyClicks(output, QString::fromStdString(gui.string()));
        QTest::mouseClick(save, Qt::LeftButton);
    });

    std::ostringstream out, err;
    const std::string cliDir = (temp.path() / "cli").string();
    const std::string projectArg = project.string();
    const std::vector<std::string_view> args{projectArg, "--out", cliDir};
    ASSERT_EQ(cli::runGenerate(args, out, err), 0) << err.str();
    for (int i = 0; i < 4; ++i) {
        const std::string name = std::string("Palm") + kSuffixes[i];
        const std::string cliFile = readFile(temp.path() / "cli" / name);
        ASSERT_FALSE(cliFile.empty()) << name;
        EXPECT_EQ(panes[i], asPane(cliFile)) << name;
        EXPECT_EQ(readFile(gui / name), cliFile) << name;
    }
    EXPECT_EQ(ui.messages.back().text,
              "PToolboxLib header file Fctl.h not found at project source path. You must copy it "
              "before compile.");
}

TEST_F(GenerateDialogTest, MemosHideThePrcPropertiesAndSaveAndEditsAreCounted) {
    openExample();
    withGenerateWindow([&](GenerateDialog& d) {
        QTest::mouseClick(part<QPushButton>(d, "butGenerar"), Qt::LeftButton);
        auto* memos = part<QRadioButton>(d, "rbtMemos");
        memos->click();
        EXPECT_TRUE(part<QGroupBox>(d, "grpPrcProp")->isHidden());
        EXPECT_TRUE(part<QPushButton>(d, "butSave")->isHidden());
        auto* events = part<QPlainTextEdit>(d, "memEvents");
        EXPECT_TRUE(events->toPlainText().isEmpty());
        QTest::keyClicks(events, "ab");
        QTest::keyClick(events, Qt::Key_Return);
        EXPECT_EQ(part<QLabel>(d, "lblLinesEvents")->text(), "2 lines");
        EXPECT_EQ(part<QLabel>(d, "lblCharsEvents")->text(), "3 chars");

        QTest::mouseClick(part<QPushButton>(d, "butGenerar"), Qt::LeftButton);
        EXPECT_TRUE(
            part<QPlainTextEdit>(d, "memMain")->toPlainText().startsWith("//Main Palm.pc\n"));
        // Every input is named for a screen reader, every button is reached by Tab.
        for (QWidget* w : d.findChildren<QWidget*>()) {
            if (qobject_cast<QTabBar*>(w->parentWidget())) continue; // Qt's own scroll arrows
            const std::string name = w->objectName().toStdString();
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QToolButton*>(w)) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
            }
            if (qobject_cast<QAbstractButton*>(w)) {
                EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << name;
            }
        }
    });
    EXPECT_EQ(core->generate.memos(), true);
}

} // namespace
} // namespace ornadeck::app::test

namespace ornadeck::app::test {
namespace {

// Qt's own paste crashed on a clipboard holding nothing (a fresh session, an owner that
// quit). The panes take text only, whatever else the clipboard holds.
TEST_F(GenerateDialogTest, PastingIntoAPaneTakesTextAndSurvivesAnEmptyClipboard) {
    fs::copy(sourceDir() / "examples" / "ccontrols", temp.path() / "ccontrols");
    window->openPaths({QString::fromStdString((temp.path() / "ccontrols/Demo.ozp").string())});
    withGenerateWindow([&](GenerateDialog& d) {
        part<QPushButton>(d, "butGenerar")->click();
        auto* pane = part<QPlainTextEdit>(d, "memMain");
        const QString generated = pane->toPlainText();
        ASSERT_FALSE(generated.isEmpty());
        QTest::mouseClick(pane->viewport(), Qt::LeftButton);
        pane->moveCursor(QTextCursor::End);

        // What an empty X clipboard hands over: data in no format at all.
        QApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(pane->toPlainText(), generated);

        // A copied control carries its form text as plain text too; only that arrives.
        auto* control = new QMimeData;
        control->setData("application/x-ornadeck-control", "[Button1]");
        QApplication::clipboard()->setMimeData(control);
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(pane->toPlainText(), generated);
        QApplication::clipboard()->setText("// mine");
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(pane->toPlainText(), generated + "// mine");

        // The window's other inputs take the same clipboards without harm.
        auto* output = part<QLineEdit>(d, "dedOutput");
        auto* icon = part<QWidget>(d, "imgLarge1");
        const QString folder = output->text();
        for (bool empty : {true, false}) {
            auto* held = new QMimeData;
            if (!empty) held->setData("application/x-ornadeck-control", "[Button1]");
            QApplication::clipboard()->setMimeData(held);
            QTest::keyClick(output, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(icon, Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(output->text(), folder);
    });
}

// The user's code in the files written last time shows in the panes after Generate, a line
// both changed is marked on its tab, and Save writes the merge and names the clash.
TEST_F(GenerateDialogTest, ThePanesShowTheUsersCodeMergedAndTheTabsMarkAClash) {
    const fs::path project = openExample();
    std::ostringstream out, err;
    const std::string projectArg = project.string();
    ASSERT_EQ(cli::runGenerate(std::vector<std::string_view>{projectArg}, out, err), 0);
    const fs::path folder = project.parent_path() / "out";
    auto edit = [](const fs::path& file, const std::string& from, const std::string& to) {
        std::string text = readFile(file);
        text.replace(text.find(from), from.size(), to);
        std::ofstream(file, std::ios::binary) << text;
    };
    edit(folder / "PalmEvents.pc", "    case OkButton:\r\n",
         "    case OkButton:\r\n      beep();\r\n");
    edit(folder / "Palm.pc", "@cid \"ORPT\";", "@cid \"ORPT\"; // mine");

    withGenerateWindow([&](GenerateDialog& d) {
        auto* creator = part<QLineEdit>(d, "edtCID");
        creator->clear();
        QTest::keyClicks(creator, "ABCD");
        QTest::mouseClick(part<QPushButton>(d, "butGenerar"), Qt::LeftButton);
        EXPECT_TRUE(part<QPlainTextEdit>(d, "memEvents")
                        ->toPlainText()
                        .contains("    case OkButton:\n      beep();\n"));
        EXPECT_TRUE(part<QPlainTextEdit>(d, "memMain")
                        ->toPlainText()
                        .startsWith("<<<<<<< Palm.pc (yours)\n@cid \"ORPT\"; // mine\n"));
        auto* tabs = part<QTabWidget>(d, "pagGenerate");
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        EXPECT_TRUE(titles.contains("Main (clash)")) << titles.join(", ").toStdString();
        EXPECT_TRUE(titles.contains("Events"));
        ui.messages.clear();
        QTest::mouseClick(part<QPushButton>(d, "butSave"), Qt::LeftButton);
    });
    EXPECT_NE(readFile(folder / "PalmEvents.pc").find("      beep();\r\n"), std::string::npos);
    EXPECT_NE(readFile(folder / "Palm.pc").find(">>>>>>> generated now\r\n"), std::string::npos);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text.rfind("These files need attention:\n" +
                                                (folder / "Palm.pc").string() +
                                                ": your changes and the new code clash at line 1;",
                                            0),
              0u)
        << ui.messages.back().text;
}

} // namespace
} // namespace ornadeck::app::test
