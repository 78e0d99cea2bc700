#include "help/HelpWindow.h"

#include "help/KeyboardPage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace ornadeck::app {

namespace {

struct Page {
    const char* file;
    const char* title;
};

constexpr Page kPages[] = {
    {"index.html", "Contents"},
    {"projects.html", "Projects"},
    {"designer.html", "The designer window"},
    {"ccontrols.html", "CControls controls"},
    {"ptoolbox.html", "PToolboxLib controls"},
    {"inspector.html", "The Properties Editor"},
    {"layout.html", "Align and size"},
    {"generation.html", "Generating code"},
    {"handheld.html", "From a form to the handheld"},
    {"checks.html", "The Checks window"},
    {"recovery.html", "Recovering unsaved forms"},
    {kKeyboardPage, "Keyboard reference"},
    {"commandline.html", "The command-line tool"},
    {"quirks.html", "Things that look odd on purpose"},
};

QUrl urlOf(const QString& page) { return QUrl("qrc:/help/" + page); }

// The pages are resources, but for the keyboard reference, which is made from the commands.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.fileName() == kKeyboardPage)
            return keyboardPageHtml();
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("helpWindow");
    setWindowTitle(tr("Ornadeck Help"));
    resize(820, 600);

    auto* toolbar = new QToolBar(this);
    QAction* back = toolbar->addAction(tr("&Back"));
    back->setShortcut(QKeySequence::Back);
    back->setToolTip(tr("Back"));
    QAction* forward = toolbar->addAction(tr("&Forward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setToolTip(tr("Forward"));
    QAction* home = toolbar->addAction(tr("&Contents"));
    home->setToolTip(tr("Contents"));

    contents_ = new QListWidget(this);
    contents_->setAccessibleName(tr("Help contents"));
    contents_->setMaximumWidth(220);
    for (const Page& p : kPages) {
        auto* item = new QListWidgetItem(tr(p.title), contents_);
        item->setData(Qt::UserRole, QString::fromLatin1(p.file));
    }
    browser_ = new HelpBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setAccessibleName(tr("Help page"));
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({":/help"});

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter);

    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { showPage("index.html"); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    back->setEnabled(false);
    forward->setEnabled(false);
}

void HelpWindow::showContext(int context) {
    switch (context) {
    case 4:
        showPage("inspector.html");
        break;
    case 5:
        showPage("designer.html");
        break;
    default:
        showPage("index.html");
        break;
    }
}

void HelpWindow::showPage(const QString& page) {
    if (browser_->source() != urlOf(page)) browser_->setSource(urlOf(page));
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

} // namespace ornadeck::app
