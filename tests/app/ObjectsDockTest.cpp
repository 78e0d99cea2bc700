// The Objects tool window on a real main window.
#include "objects/ObjectsDock.h"

#include "AppFixture.h"
#include "objects/ObjectTreeWidget.h"

#include <QComboBox>

namespace ornadeck::app::test {
namespace {

class ObjectsDockTest : public NewProjectTest {
  protected:
    void SetUp() override {
        NewProjectTest::SetUp();
        objects().toggleViewAction()->trigger();
        ASSERT_TRUE(objects().isVisible());
    }
    ObjectsDock& objects() { return window->objects(); }
    ObjectTreeWidget& tree() { return objects().tree(); }
    // Every item's text, children indented by two spaces.
    QStringList lines() {
        QStringList out;
        for (QTreeWidgetItemIterator it(&tree()); *it; ++it) {
            int depth = 0;
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                ++depth;
            out << QString(depth * 2, u' ') + (*it)->text(0);
        }
        return out;
    }
    QTreeWidgetItem* item(const Control* c) {
        for (QTreeWidgetItemIterator it(&tree()); *it; ++it)
            if ((*it)->text(0).startsWith(QString::fromStdString(c->name()) + ":")) return *it;
        return nullptr;
    }
    void clickItem(QTreeWidgetItem* i, Qt::KeyboardModifiers keys = {}) {
        ASSERT_NE(i, nullptr);
        tree().scrollToItem(i);
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, keys,
                          tree().visualItemRect(i).center());
    }
    QString name(const Control* c) { return QString::fromStdString(c->name()); }
    // F2 on the item, and the editor it opens.
    QLineEdit* renameEditor(QTreeWidgetItem* i) {
        clickItem(i);
        tree().setFocus();
        QTest::keyClick(&tree(), Qt::Key_F2);
        for (QLineEdit* line : tree().findChildren<QLineEdit*>())
            if (line->isVisible()) return line;
        return nullptr;
    }
    void typeName(QLineEdit* line, const QString& text) {
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
        // The editor commits a moment after Return, and the name goes a moment after that.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
};

TEST_F(ObjectsDockTest, TheTreeFollowsTheDesignerAndTheDesignerFollowsTheTree) {
    EXPECT_EQ(tree().accessibleName(), "Objects");
    Control* a = place("spbButton", {20, 20});
    Control* b = place("spbLabel", {20, 60});
    Control* c = place("spbEdit", {20, 100});
    EXPECT_EQ(lines(), (QStringList{"Form1", "  " + name(a) + ": Button",
                                    "  " + name(b) + ": Label", "  " + name(c) + ": Field"}));
    EXPECT_EQ(item(a)->data(0, Qt::AccessibleTextRole).toString(), item(a)->text(0));

    // The designer's selection shows in the tree.
    click({a->left() + 3, a->top() + 3});
    window->refresh();
    EXPECT_EQ(tree().selectedItems(), QList<QTreeWidgetItem*>{item(a)});

    // A click on an item selects its control; Ctrl-clicks mark several, as in the designer.
    clickItem(item(b));
    EXPECT_EQ(core->workspace.selected.control, b);
    EXPECT_TRUE(b->selected());
    EXPECT_FALSE(a->selected());
    clickItem(item(c), Qt::ControlModifier);
    EXPECT_TRUE(b->selected() && c->selected());
    EXPECT_EQ(window->docks().inspector().components().placeholderText(), "2 controls");

    // Delete in the tree deletes both, as one step.
    tree().setFocus();
    QTest::keyClick(&tree(), Qt::Key_Delete);
    EXPECT_EQ(lines(), (QStringList{"Form1", "  " + name(a) + ": Button"}));
    trigger("mnuUndo");
    EXPECT_EQ(lines().size(), 4);
}

TEST_F(ObjectsDockTest, F2RenamesWithTheInspectorsRules) {
    Control* a = place("spbButton", {20, 20});
    Control* b = place("spbButton", {20, 60});
    QLineEdit* line = renameEditor(item(a));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), name(a)); // the name alone, without the kind
    typeName(line, "OkButton");
    EXPECT_EQ(a->name(), "OkButton");
    EXPECT_EQ(item(a)->text(0), "OkButton: Button");
    EXPECT_TRUE(ui.messages.empty());

    // A name already taken is refused with the inspector's message.
    line = renameEditor(item(b));
    ASSERT_NE(line, nullptr);
    typeName(line, "OkButton");
    EXPECT_NE(b->name(), "OkButton");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(item(b)->text(0), name(b) + ": Button");
}

TEST_F(ObjectsDockTest, DraggingAndAltArrowsRestackAmongSiblingsOnly) {
    Control* a = place("spbButton", {20, 20});
    Control* b = place("spbLabel", {20, 60});
    Control* c = place("spbEdit", {20, 100});
    const auto order = [&] {
        QStringList names;
        for (const auto& child : activeForm().surface().children())
            names << name(child.get());
        return names;
    };
    clickItem(item(a));
    tree().setFocus();
    QTest::keyClick(&tree(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(order(), (QStringList{name(b), name(a), name(c)}));
    EXPECT_EQ(lines()[2], "  " + name(a) + ": Button");
    QTest::keyClick(&tree(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(order(), (QStringList{name(a), name(b), name(c)}));

    // Dropped below c, a goes in front of both; dropped on another form's level, nowhere.
    clickItem(item(a));
    tree().dropOn(tree().topLevelItem(0), DropSide::Below);
    EXPECT_EQ(order(), (QStringList{name(a), name(b), name(c)}));
    tree().dropOn(item(c), DropSide::Below);
    EXPECT_EQ(order(), (QStringList{name(b), name(c), name(a)}));
    EXPECT_EQ(lines(), (QStringList{"Form1", "  " + name(b) + ": Label", "  " + name(c) + ": Field",
                                    "  " + name(a) + ": Button"}));
    EXPECT_EQ(window->command("mnuUndo")->text().toStdString(), "&Undo Reorder " + a->name());
}

TEST_F(ObjectsDockTest, TypingInTheInspectorTouchesOnlyTheItemThatChanged) {
    Control* first = place("spbButton", {0, 20});
    for (int i = 0; i < 40; ++i)
        place("spbLabel", {(i % 8) * 18, 40 + (i / 8) * 20});
    click({first->left() + 3, first->top() + 3});
    window->refresh();
    const int before = objects().itemsTouched();
    QLineEdit* line = typeIntoInspector("Left", "12");
    endEdit(line);
    window->refresh();
    EXPECT_EQ(objects().itemsTouched(), before); // no text changed
    line = typeIntoInspector("Name", "Go");
    endEdit(line);
    window->refresh();
    EXPECT_EQ(objects().itemsTouched(), before + 1);
    EXPECT_EQ(item(first)->text(0), "Go: Button");
}

TEST_F(ObjectsDockTest, TheWindowIsShownAgainAfterARestart) {
    restart();
    EXPECT_TRUE(window->objects().isVisibleTo(window.get()));
    EXPECT_TRUE(window->objects().toggleViewAction()->isChecked());
}

} // namespace
} // namespace ornadeck::app::test
