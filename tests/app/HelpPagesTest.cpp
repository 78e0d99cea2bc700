#include "AppFixture.h"
#include "commands/CommandText.h"
#include "help/HelpWindow.h"
#include "help/KeyboardPage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

namespace ornadeck::app::test {
namespace {

// The help pages as shipped, by file name; the keyboard reference is made, not shipped.
std::map<QString, QString> helpPages() {
    std::map<QString, QString> pages;
    for (const QString& name : QDir(":/help").entryList({"*.html"})) {
        QFile file(":/help/" + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        pages[name] = QString::fromUtf8(file.readAll());
    }
    pages[kKeyboardPage] = keyboardPageHtml();
    return pages;
}

const CommandInfo* commandCalled(QString caption) {
    caption.remove(QStringLiteral("..."));
    for (const CommandInfo& c : commandTable())
        if (readCaption(c).remove(QStringLiteral("...")) == caption) return &c;
    return nullptr;
}

using HelpPages = AppFixture;

// A page that names a command's shortcut names the one the program binds: "Undo" (Ctrl+Z)
// or <b>Edit &gt; Undo</b> (Ctrl+Z).
TEST_F(HelpPages, EveryShortcutTheyNameIsTheOneBound) {
    const QRegularExpression named(
        R"re((?:"|&gt; )([A-Z][^"<]*?)(?:"|</b>) \(((?:Ctrl|Shift|Alt|F\d|Del)[^)]*)\))re");
    int checked = 0;
    for (const auto& [page, html] : helpPages()) {
        QString flat = html;
        flat.replace(QRegularExpression(R"(\s+)"), QStringLiteral(" "));
        for (auto it = named.globalMatch(flat); it.hasNext();) {
            const auto m = it.next();
            const CommandInfo* c = commandCalled(m.captured(1));
            if (!c) continue; // not a command of the menus
            EXPECT_EQ(m.captured(2), shortcutText(*c))
                << page.toStdString() << " names " << m.captured(0).toStdString();
            ++checked;
        }
    }
    EXPECT_GE(checked, 20);
}

// The menu list of the contents page names every command, and the keyboard reference every
// shortcut.
TEST_F(HelpPages, EveryCommandIsInTheMenuListAndEveryShortcutInTheKeyboardPage) {
    auto pages = helpPages();
    const QString& index = pages["index.html"];
    const QString keys = pages[kKeyboardPage];
    for (const CommandInfo& c : commandTable()) {
        EXPECT_TRUE(index.contains('"' + readCaption(c) + '"')) << c.name;
        if (!c.shortcut.empty()) {
            EXPECT_TRUE(keys.contains("<td>" + shortcutText(c).toHtmlEscaped() + "</td>"))
                << c.name;
        }
    }
}

// Every link between the pages leads to one, and every page shows in the window.
TEST_F(HelpPages, EveryLinkLeadsToAPageThatShows) {
    const auto pages = helpPages();
    const QRegularExpression link(R"re(href="([a-z]+\.html)(?:#[a-z]+)?")re");
    for (const auto& [page, html] : pages)
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(pages.contains(target))
                << page.toStdString() << " -> " << target.toStdString();
        }
    trigger("mnuHelpContents");
    HelpWindow* help = window->helpWindow();
    ASSERT_NE(help, nullptr);
    for (const auto& [page, html] : pages) {
        help->showPage(page);
        EXPECT_EQ(help->currentPage(), page);
        auto* browser = help->findChild<QTextBrowser*>("helpBrowser");
        EXPECT_GT(browser->toPlainText().size(), 200) << page.toStdString();
    }
    help->close();
}

} // namespace
} // namespace ornadeck::app::test
