// The editors the Properties Editor opens: items, bitmap, and every text input under a paste.
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

TEST_F(InspectorDockTest, EveryTextInputTakesWhateverThePasteBrings) {
    newProject(Library::CControls);
    place("spbListBox", {20, 20});
    core->ui.setScript(nullptr); // the real items editor
    auto* control = new QMimeData;
    control->setData("application/x-ornadeck-control", "[Button1]");
    for (QMimeData* held : {new QMimeData, control}) {
        QApplication::clipboard()->setMimeData(held);
        QLineEdit* cellEditor = typeInto("Left", "12");
        QTest::keyClick(cellEditor, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(cellEditor->text(), "12");
        whenModal([](QWidget& dialog) {
            auto* memo = dialog.findChild<QPlainTextEdit*>("memItems");
            const QString before = memo->toPlainText();
            QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(memo->toPlainText(), before);
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        pressEllipsis("Items");
    }
    core->ui.setScript(&ui);

    BitmapEditor editor(4, 2, "");
    BitmapDialog dialog(editor, ui);
    QTest::keyClick(&dialog.grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor.encoded(), "00");
}

TEST_F(InspectorDockTest, TheItemsEditorFillsAList) {
    newProject(Library::PToolboxLib);
    auto* list = static_cast<TPTList*>(place("spbListBox", {20, 20}));
    ASSERT_EQ(list->classId(), ClassId::PTList);
    const auto items = list->items();
    core->ui.setScript(nullptr); // the real window this time

    whenModal([](QWidget& dialog) {
        auto* memo = dialog.findChild<QPlainTextEdit*>("memItems");
        memo->setPlainText("");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblLineas")->text(), "0 items");
        for (const char* line : {"North", "East"}) {
            QTest::keyClicks(memo, line);
            QTest::keyClick(memo, Qt::Key_Return);
        }
        QTest::keyClicks(memo, "South");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblLineas")->text(), "3 items");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    pressEllipsis("Items");
    EXPECT_EQ(list->items(), items);

    const QImage before = activeView()->picture();
    whenModal([](QWidget& dialog) {
        dialog.findChild<QPlainTextEdit*>("memItems")->setPlainText("North\nEast\nSouth");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    pressEllipsis("Items");
    core->ui.setScript(&ui);
    EXPECT_EQ(list->items(), (std::vector<std::string>{"North", "East", "South"}));
    EXPECT_NE(activeView()->picture(), before);
}

TEST_F(InspectorDockTest, ADiagonalDrawnInTheBitmapEditorIsSavedWithTheForm) {
    newProject(Library::CControls);
    Control* image = place("spbBitmap", {20, 20});
    typeInto("Width", "8");
    typeInto("Height", "8");
    ASSERT_EQ(image->width(), 8);

    auto drawDiagonal = [](QWidget& dialog) {
        auto& editor = static_cast<BitmapDialog&>(dialog);
        BitmapGrid& grid = editor.grid();
        QTest::mousePress(&grid, Qt::LeftButton, {}, grid.centreOf({0, 0}));
        for (int i = 1; i < 8; ++i) {
            QMouseEvent move(QEvent::MouseMove, grid.centreOf({i, i}),
                             grid.mapToGlobal(grid.centreOf({i, i})), Qt::NoButton, Qt::LeftButton,
                             {});
            QApplication::sendEvent(&grid, &move);
        }
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, grid.centreOf({7, 7}));
    };
    whenModal([&](QWidget& dialog) {
        ASSERT_NE(qobject_cast<BitmapDialog*>(&dialog), nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Bitmap Editor");
        EXPECT_EQ(core->ui.parentWidget(), &dialog); // its Clear question is its own
        drawDiagonal(dialog);
        dialog.findChild<QPushButton*>("butCancel")->click();
    });
    pressEllipsis("Bitmap");
    EXPECT_EQ(static_cast<TCCBitmap*>(image)->stringBits(), "");
    EXPECT_EQ(core->ui.parentWidget(), window.get());

    const QImage before = activeView()->picture();
    whenModal([&](QWidget& dialog) {
        drawDiagonal(dialog);
        dialog.findChild<QPushButton*>("butOK")->click();
    });
    pressEllipsis("Bitmap");
    EXPECT_NE(activeView()->picture(), before);

    const auto path = temp.path() / "Pictures.ozf";
    ui.files = {path};
    trigger("mnuSaveForm");
    EXPECT_NE(readFile(path).find("StringBits=8040201008040201"), std::string::npos);
}

TEST(BitmapDialog, TheKeyboardMovesAndToggles) {
    ornadeck::test::FakeUi ui;
    BitmapEditor editor(4, 2, "");
    BitmapDialog dialog(editor, ui);
    EXPECT_EQ(dialog.size(), QSize(4 * 11 + 80, 198));
    BitmapGrid& grid = dialog.grid();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Down,
                        Qt::Key_Space, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space})
        QTest::keyClick(&grid, key);
    EXPECT_EQ(editor.encoded(), "cc");
}

} // namespace
} // namespace ornadeck::app::test
