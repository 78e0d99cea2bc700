// The desktop program driven by seeded random pointer and key events on its real widgets,
// offscreen, with the core's invariants checked after every event. A failure prints the seed
// and the events that led to it; run again with --seed to see it once more.
#include "AppCore.h"
#include "DiskWatcher.h"
#include "Invariants.h"
#include "KindToolBar.h"
#include "MainWindow.h"
#include "RandomUi.h"
#include "inspector/InspectorDock.h"
#include "inspector/ToolDocks.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "objects/ObjectTreeWidget.h"
#include "objects/ObjectsDock.h"
#include "preview/HandheldView.h"
#include "preview/PreviewWindow.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"
#include "workbench/ControlToolbar.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <random>
#include <string>

using namespace ornadeck;
using namespace ornadeck::app;

namespace {

namespace fs = std::filesystem;

struct Options {
    long events = 300;
    unsigned seed = std::random_device{}();
};

class Monkey {
  public:
    Monkey(MainWindow& window, AppCore& core, monkey::RandomUi& ui, fs::path scratch)
        : window_(window), core_(core), ui_(ui), scratch_(std::move(scratch)) {}

    // One event; false when an invariant broke (told on stderr).
    bool step(long number);
    void tellLast() const {
        for (const std::string& line : log_)
            std::fprintf(stderr, "  %s\n", line.c_str());
    }

  private:
    void note(std::string what) {
        if (qEnvironmentVariableIsSet("ORNADECK_MONKEY_TRACE"))
            std::fprintf(stderr, "event: %s\n", what.c_str());
        log_.push_back(std::move(what));
        if (log_.size() > 30) log_.pop_front();
    }
    void onModal(QWidget& modal);
    void onPopup(QWidget& popup);
    void onMainWindow();
    void onPreview(PreviewWindow& preview);
    void triggerCommand();
    void pointer(DesignerView& view);
    void key(QWidget& target);
    void inspector();
    void objects();
    void dropTool(DesignerView& view);
    void outsideWrite();
    QPoint somewhere(const QWidget& w) {
        return {ui_.below(std::max(1, w.width())), ui_.below(std::max(1, w.height()))};
    }
    Qt::KeyboardModifiers modifiers() {
        static const Qt::KeyboardModifiers all[] = {Qt::NoModifier, Qt::NoModifier,
                                                    Qt::ShiftModifier, Qt::ControlModifier};
        return all[ui_.below(4)];
    }

    MainWindow& window_;
    AppCore& core_;
    monkey::RandomUi& ui_;
    fs::path scratch_;
    std::deque<std::string> log_;
};

bool Monkey::step(long number) {
    // The last event's work is done: look at the core, unless a dialog or menu holds a command
    // in the middle of its work.
    if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget()) {
        std::string broken = monkey::brokenInvariant(core_, window_.views());
        if (broken.empty() && number % 25 == 0)
            broken = monkey::brokenUndoRoundTrip(core_, window_.views());
        if (!broken.empty()) {
            std::fprintf(stderr, "monkey: before event %ld: %s\n", number, broken.c_str());
            return false;
        }
    }
    // Posted, so that a dialog it opens runs its loop outside this step and the next steps
    // reach it.
    QTimer::singleShot(0, &window_, [this] {
        if (QWidget* popup = QApplication::activePopupWidget())
            onPopup(*popup);
        else if (QWidget* modal = QApplication::activeModalWidget())
            onModal(*modal);
        else if (auto* preview = window_.findChild<PreviewWindow*>(); preview && ui_.chance(2))
            onPreview(*preview);
        else
            onMainWindow();
    });
    return true;
}

// A dialog of a command is up: poke at it, or close it. A file dialog is always closed, so no
// file is ever written outside the scratch folder.
void Monkey::onModal(QWidget& modal) {
    auto* dialog = qobject_cast<QDialog*>(&modal);
    if (qobject_cast<QFileDialog*>(&modal) || ui_.chance(4)) {
        note("close dialog " + modal.objectName().toStdString());
        if (dialog)
            dialog->reject();
        else
            QTest::keyClick(&modal, Qt::Key_Escape);
        return;
    }
    const QList<QWidget*> children = modal.findChildren<QWidget*>();
    QList<QWidget*> usable;
    for (QWidget* w : children)
        if (w->isVisible() && w->isEnabled() &&
            (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
             qobject_cast<QComboBox*>(w)))
            usable.push_back(w);
    if (usable.isEmpty()) return;
    QWidget* target = usable[ui_.below(static_cast<int>(usable.size()))];
    note("in dialog " + modal.objectName().toStdString() + ": " +
         target->objectName().toStdString());
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->selectAll();
        QTest::keyClicks(line, QString::fromStdString(ui_.text()));
        QTest::keyClick(line, Qt::Key_Return);
    } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
        if (combo->count() > 0) combo->setCurrentIndex(ui_.below(combo->count()));
    } else {
        QTest::mouseClick(target, Qt::LeftButton);
    }
}

void Monkey::onPopup(QWidget& popup) {
    note("popup");
    if (ui_.chance(3)) {
        QTest::keyClick(&popup, Qt::Key_Escape);
        return;
    }
    const int downs = ui_.below(8);
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(&popup, Qt::Key_Down);
    QTest::keyClick(&popup, Qt::Key_Return);
}

void Monkey::onMainWindow() {
    DesignerView* view = window_.views().shownActiveView();
    switch (ui_.below(10)) {
    case 0:
    case 1:
    case 2:
        triggerCommand();
        return;
    case 3:
    case 4:
    case 5:
        if (view) return pointer(*view);
        return triggerCommand();
    case 6:
        if (view) return key(*view);
        return key(window_);
    case 7: {
        const QList<QAction*> tools = window_.kindToolBar().actions();
        if (tools.isEmpty()) return;
        QAction* tool = tools[ui_.below(static_cast<int>(tools.size()))];
        note("tool " + tool->objectName().toStdString());
        if (QWidget* button = window_.kindToolBar().widgetForAction(tool))
            QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    case 8:
        return inspector();
    default:
        if (ui_.chance(4)) return outsideWrite();
        if (ui_.chance(3)) return objects();
        if (QAction* preview = window_.command(CommandId::Preview);
            ui_.chance(3) && preview->isEnabled()) {
            note("command mnuPreview");
            return preview->trigger();
        }
        if (view && ui_.chance(2)) return dropTool(*view);
        return key(window_);
    }
}

// A preview is open: tap its handheld anywhere, type, go back, or end it.
void Monkey::onPreview(PreviewWindow& preview) {
    HandheldView& handheld = preview.handheld();
    switch (ui_.below(6)) {
    case 0:
        note("preview escape");
        return QTest::keyClick(&handheld, Qt::Key_Escape);
    case 1:
        note("preview backspace");
        return QTest::keyClick(&handheld, Qt::Key_Backspace);
    case 2: {
        const std::string typed = ui_.text();
        note("preview type '" + typed + "'");
        return QTest::keyClicks(&handheld, QString::fromStdString(typed));
    }
    default: {
        const QPoint at = somewhere(handheld);
        note("preview tap " + std::to_string(at.x()) + "," + std::to_string(at.y()));
        return QTest::mouseClick(&handheld, Qt::LeftButton, {}, at);
    }
    }
}

// The Objects tree: a click with or without Ctrl or Shift, then perhaps a rename, a delete or
// a restack by keyboard.
void Monkey::objects() {
    ObjectsDock& dock = window_.objects();
    if (!dock.isVisible()) return;
    ObjectTreeWidget& tree = dock.tree();
    std::vector<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        items.push_back(*it);
    if (items.empty()) return;
    QTreeWidgetItem* item =
        items[static_cast<std::size_t>(ui_.below(static_cast<int>(items.size())))];
    tree.scrollToItem(item);
    const Qt::KeyboardModifiers keys = modifiers();
    note("objects click " + item->text(0).toStdString() + " with " + std::to_string(keys.toInt()));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, keys, tree.visualItemRect(item).center());
    tree.setFocus();
    switch (ui_.below(5)) {
    case 0: {
        QTest::keyClick(&tree, Qt::Key_F2);
        const std::string typed = ui_.text();
        note("objects rename '" + typed + "'");
        for (QLineEdit* line : tree.findChildren<QLineEdit*>())
            if (line->isVisible()) {
                line->selectAll();
                QTest::keyClicks(line, QString::fromStdString(typed));
                QTest::keyClick(line, ui_.chance(4) ? Qt::Key_Escape : Qt::Key_Return);
                break;
            }
        return;
    }
    case 1:
        note("objects delete");
        return QTest::keyClick(&tree, Qt::Key_Delete);
    case 2:
        note("objects restack");
        return QTest::keyClick(&tree, ui_.chance(2) ? Qt::Key_Up : Qt::Key_Down, Qt::AltModifier);
    default:
        return;
    }
}

// A control tool dropped at a random point of the view, as a drag from the toolbar ends.
void Monkey::dropTool(DesignerView& view) {
    const QList<QAction*> tools = window_.kindToolBar().actions();
    if (tools.isEmpty()) return;
    QAction* tool = tools[ui_.below(static_cast<int>(tools.size()))];
    const std::string_view kind =
        controlToolButton(core_.workspace.library, tool->objectName().toStdString()).kindTag;
    const QPoint at = somewhere(view);
    note("drop " + tool->objectName().toStdString() + " at " + std::to_string(at.x()) + "," +
         std::to_string(at.y()));
    QMimeData data;
    data.setData(KindToolBar::kKindMime, QByteArray(kind.data(), static_cast<int>(kind.size())));
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&view, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&view, &drop);
}

void Monkey::triggerCommand() {
    const auto id = static_cast<CommandId>(ui_.below(static_cast<int>(kCommandCount)));
    QAction* action = window_.command(id);
    // Exit would end the run; help is a window of its own that nothing here looks at.
    if (!action || !action->isEnabled() || id == CommandId::Exit || id == CommandId::HelpContents)
        return;
    note("command " + action->objectName().toStdString());
    action->trigger();
}

void Monkey::pointer(DesignerView& view) {
    const QPoint from = somewhere(view), to = somewhere(view);
    const Qt::KeyboardModifiers keys = modifiers();
    const int kind = ui_.below(4);
    note("pointer " + std::to_string(kind) + " at " + std::to_string(from.x()) + "," +
         std::to_string(from.y()) + " to " + std::to_string(to.x()) + "," + std::to_string(to.y()));
    if (kind == 0) return QTest::mouseClick(&view, Qt::LeftButton, keys, from);
    if (kind == 1) return QTest::mouseClick(&view, Qt::RightButton, keys, from);
    if (kind == 2) return QTest::mouseDClick(&view, Qt::LeftButton, keys, from);
    QTest::mousePress(&view, Qt::LeftButton, keys, from);
    const int steps = 1 + ui_.below(4);
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         keys);
        QApplication::sendEvent(&view, &move);
    }
    QTest::mouseRelease(&view, Qt::LeftButton, keys, to);
}

void Monkey::key(QWidget& target) {
    static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                   Qt::Key_Delete, Qt::Key_Tab,   Qt::Key_Escape, Qt::Key_Z,
                                   Qt::Key_Y,      Qt::Key_X,     Qt::Key_C,      Qt::Key_V,
                                   Qt::Key_F7,     Qt::Key_Plus,  Qt::Key_Minus,  Qt::Key_Return};
    const Qt::Key key = keys[ui_.below(static_cast<int>(std::size(keys)))];
    const Qt::KeyboardModifiers held = modifiers();
    note("key " + std::to_string(key) + " with " + std::to_string(held.toInt()));
    QTest::keyClick(&target, key, held);
}

void Monkey::inspector() {
    InspectorDock& dock = window_.docks().inspector();
    if (!dock.isVisible()) return;
    static const char* const rows[] = {"Name",   "Text", "Left",  "Top",     "Width",
                                       "Height", "Font", "Title", "Visible", "ShowForm"};
    const char* row = rows[ui_.below(static_cast<int>(std::size(rows)))];
    QWidget* editor = dock.openEditor(row);
    if (!editor) return;
    const std::string typed = ui_.text();
    note(std::string("inspector ") + row + " = '" + typed + "'");
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
        QTest::keyClicks(line, QString::fromStdString(typed));
        QTest::keyClick(line, ui_.chance(4) ? Qt::Key_Escape : Qt::Key_Return);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->count() > 0) combo->setCurrentIndex(ui_.below(combo->count()));
        QTest::keyClick(combo, Qt::Key_Return);
    }
}

// Another program writes, deletes or rewrites unchanged an open file of the scratch folder, and
// the program comes back to the front.
void Monkey::outsideWrite() {
    std::vector<fs::path> files;
    if (!core_.workspace.projectPath.empty()) files.push_back(core_.workspace.projectPath);
    for (const auto& form : core_.workspace.forms)
        if (!form->filePath().empty()) files.push_back(form->filePath());
    if (files.empty()) return;
    const fs::path file =
        files[static_cast<std::size_t>(ui_.below(static_cast<int>(files.size())))];
    const auto [end, at] =
        std::mismatch(scratch_.begin(), scratch_.end(), file.begin(), file.end());
    if (end != scratch_.end()) return; // never a file outside the scratch folder
    IniFile ini;
    if (!ini.load(file)) return;
    const int how = ui_.below(3);
    note("outside " + std::to_string(how) + " on " + file.filename().string());
    if (how == 0) ini.writeString("FORM", "Title", ui_.text());
    if (how == 2) {
        std::error_code ec;
        fs::remove(file, ec);
    } else {
        (void)ini.save(file);
    }
    window_.diskWatcher().checkNow();
}

bool parse(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--events" || arg == "--seed") && i + 1 < argc) {
            const std::string value = argv[++i];
            try {
                if (arg == "--events")
                    options.events = std::stol(value);
                else
                    options.seed = static_cast<unsigned>(std::stoul(value));
            } catch (const std::exception&) {
                std::fprintf(stderr, "app_monkey: %s is not a number\n", value.c_str());
                return false;
            }
            continue;
        }
        std::fprintf(stderr, "usage: app_monkey [--events N] [--seed S]\n");
        return false;
    }
    return true;
}

// A fresh folder with copies of the examples, where every file of the run goes.
fs::path scratchFolder() {
    const fs::path folder =
        fs::temp_directory_path() /
        ("ornadeck-monkey-" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(fs::path(ORNADECK_SOURCE_DIR) / "examples", folder / "examples",
             fs::copy_options::recursive);
    return folder;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Options options;
    if (!parse(argc, argv, options)) return 2;
    QApplication application(argc, argv);
    const fs::path scratch = scratchFolder();
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString((scratch / "state").string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((scratch / "config").string()));
    QDir::setCurrent(QString::fromStdString(scratch.string()));
    std::printf("app_monkey: seed %u, %ld events, in %s\n", options.seed, options.events,
                scratch.c_str());
    std::fflush(stdout);

    std::mt19937 random(options.seed);
    monkey::RandomUi ui(random, scratch);
    int status = 0;
    {
        AppCore core(fs::path(ORNADECK_SOURCE_DIR) / "fonts", scratch / "options.ini");
        core.ui.setScript(&ui);
        MainWindow window(core);
        window.start();
        window.objects().toggleViewAction()->trigger();
        window.resize(1024, 768);
        window.show();
        Monkey monkey(window, core, ui, scratch);
        long done = 0;
        // Driven from a timer, so that the events go on inside a dialog's own event loop.
        QTimer driver;
        driver.setInterval(0);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (done >= options.events) {
                // Dialogs close first: leaving their loops from outside would run the rest of
                // their commands after the end.
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    if (auto* dialog = qobject_cast<QDialog*>(modal))
                        dialog->reject();
                    else
                        modal->close();
                    return;
                }
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    popup->close();
                    return;
                }
                driver.stop();
                QCoreApplication::exit(status);
                return;
            }
            if (!monkey.step(++done)) {
                std::fprintf(stderr,
                             "app_monkey: FAILED with seed %u at event %ld; the last "
                             "events were:\n",
                             options.seed, done);
                monkey.tellLast();
                status = 1;
                done = options.events;
            }
        });
        driver.start();
        QCoreApplication::exec();
        window.views().closeAllForGood();
    }
    if (status == 0) std::printf("app_monkey: %ld events, every invariant held\n", options.events);
    std::error_code ec;
    fs::remove_all(scratch, ec);
    return status;
}
