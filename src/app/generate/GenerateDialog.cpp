#include "generate/GenerateDialog.h"

#include "QtUi.h"
#include "generate/IconPicture.h"
#include "generate/PocketCHighlighter.h"
#include "ui_GenerateDialog.h"
#include "widgets/PlainTextEdit.h"
#include "workbench/GenerateSession.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolButton>

namespace ornadeck::app {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

struct PaneSpec {
    const char* tab;
    const char* pane;
    const char* copy;
};
constexpr std::array<PaneSpec, 4> kPanes{{{"Main", "memMain", "butCopyMain"},
                                          {"Forms", "memForms", "butCopyF"},
                                          {"Events", "memEvents", "butCopyE"},
                                          {"Header", "memHeader", "butCopyH"}}};

bool isLarge(std::size_t slot) { return std::string_view(kIconSlots[slot].key).front() == 'L'; }

} // namespace

GenerateDialog::GenerateDialog(GenerateSession& session, QWidget* parent)
    : QDialog(parent), session_(session), ui_(std::make_unique<::Ui::GenerateDialog>()) {
    ui_->setupUi(this);
    buildIconBoxes();
    buildPanes();
    // The left column keeps its width when the memos target hides the PRC properties.
    ui_->grpTarget->setMinimumWidth(ui_->grpPrcProp->sizeHint().width());
    connectInputs();
    showAll();
}

GenerateDialog::~GenerateDialog() = default;

void GenerateDialog::run(GenerateSession& session, QtUi& ui, QWidget* parent) {
    session.open();
    GenerateDialog dialog(session, parent);
    ui.setParentWidget(&dialog);
    // The whole work area also where no window manager honours the maximized state.
    if (parent && parent->screen()) dialog.setGeometry(parent->screen()->availableGeometry());
    dialog.setWindowState(Qt::WindowMaximized);
    dialog.exec();
    ui.setParentWidget(parent);
}

// Large boxes on the first row, small ones under them, each with its caption below.
void GenerateDialog::buildIconBoxes() {
    QWidget* previous = ui_->edtVersion;
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        const QSize size = isLarge(i) ? QSize(32, 32) : QSize(15, 9);
        auto* box = new QToolButton(this);
        box->setObjectName(QStringLiteral("img") + kIconSlots[i].key);
        box->setAccessibleName(qs(GenerateSession::iconLabel(i) + " icon"));
        box->setToolTip(qs(GenerateSession::iconTitle(i)));
        box->setCursor(Qt::PointingHandCursor);
        box->setFocusPolicy(Qt::StrongFocus);
        // A one-pixel frame around exactly the icon's own pixels.
        box->setFixedSize(size + QSize(2, 2));
        box->setIconSize(size);
        box->setStyleSheet(QStringLiteral("QToolButton { border: 1px solid gray; background: "
                                          "white; padding: 0px; } QToolButton:focus { border: "
                                          "1px solid palette(highlight); }"));
        auto* caption = new QLabel(qs(GenerateSession::iconLabel(i)), this);
        const int column = static_cast<int>(i / 2);
        const int row = isLarge(i) ? 0 : 2;
        ui_->iconGrid->addWidget(box, row, column, Qt::AlignHCenter | Qt::AlignBottom);
        ui_->iconGrid->addWidget(caption, row + 1, column, Qt::AlignHCenter | Qt::AlignTop);
        connect(box, &QToolButton::clicked, this, [this, i] {
            if (session_.pickIcon(i)) showIcon(i);
        });
        setTabOrder(previous, box);
        previous = box;
        icons_[i] = box;
    }
    setTabOrder(previous, ui_->butGenerar);
}

void GenerateDialog::buildPanes() {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t p = 0; p < panes_.size(); ++p) {
        const QString tab = QString::fromLatin1(kPanes[p].tab);
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        auto* pane = new PlainTextEdit(page);
        pane->setObjectName(QString::fromLatin1(kPanes[p].pane));
        pane->setAccessibleName(tab + QStringLiteral(" code"));
        pane->setFont(fixed);
        pane->setLineWrapMode(QPlainTextEdit::NoWrap);
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // Tab leaves the pane, so the keyboard reaches the buttons after it.
        pane->setTabChangesFocus(true);
        new PocketCHighlighter(pane->document());
        layout->addWidget(pane, 1);

        auto* row = new QHBoxLayout;
        auto* copy = new QPushButton(QStringLiteral("&Copy"), page);
        copy->setObjectName(QString::fromLatin1(kPanes[p].copy));
        copy->setAccessibleName(QStringLiteral("Copy the ") + tab + QStringLiteral(" code"));
        copy->setAutoDefault(false);
        auto* lines = new QLabel(page);
        auto* chars = new QLabel(page);
        lines->setObjectName(QStringLiteral("lblLines") + tab);
        chars->setObjectName(QStringLiteral("lblChars") + tab);
        lines->setAccessibleName(tab + QStringLiteral(" lines"));
        chars->setAccessibleName(tab + QStringLiteral(" characters"));
        lines->setMinimumWidth(90);
        row->addWidget(copy);
        row->addSpacing(12);
        row->addWidget(lines);
        row->addWidget(chars);
        row->addStretch(1);
        layout->addLayout(row);
        ui_->pagGenerate->addTab(page, tab);

        connect(copy, &QPushButton::clicked, pane, [pane] {
            pane->selectAll();
            pane->copy();
        });
        connect(pane, &QPlainTextEdit::textChanged, this, [this, p] {
            if (filling_) return;
            session_.editPane(p, panes_[p]->toPlainText().toStdString());
            showCounters(p);
        });
        panes_[p] = pane;
        lineCounters_[p] = lines;
        charCounters_[p] = chars;
    }
}

// A box whose text the session may shorten: what the session kept is shown back.
void GenerateDialog::bindText(QLineEdit* edit, std::function<void(const std::string&)> set,
                              std::function<std::string()> get) {
    connect(edit, &QLineEdit::textEdited, this,
            [edit, set = std::move(set), get = std::move(get)](const QString& typed) {
                set(typed.toStdString());
                const QString kept = qs(get());
                if (kept != typed) edit->setText(kept);
            });
}

void GenerateDialog::connectInputs() {
    connect(ui_->dedOutput, &QLineEdit::textEdited, this,
            [this](const QString& t) { session_.setOutput(t.toStdString()); });
    connect(ui_->butOutput, &QToolButton::clicked, this, &GenerateDialog::chooseOutput);
    connect(ui_->cmbForms, &QComboBox::activated, this,
            [this](int index) { session_.chooseFirstForm(index); });
    connect(ui_->rbtMemos, &QRadioButton::toggled, this, [this](bool memos) {
        if (filling_) return;
        session_.chooseTarget(memos);
        showTarget();
        showPanes();
    });
    GenerateSession& s = session_;
    bindText(
        ui_->edtCID, [&s](const std::string& t) { s.setCreatorId(t); },
        [&s] { return s.creatorId(); });
    bindText(
        ui_->edtAppName, [&s](const std::string& t) { s.setAppName(t); },
        [&s] { return s.appName(); });
    bindText(
        ui_->edtAppDB, [&s](const std::string& t) { s.setAppDb(t); }, [&s] { return s.appDb(); });
    bindText(
        ui_->edtVersion, [&s](const std::string& t) { s.setVersion(t); },
        [&s] { return s.version(); });
    connect(ui_->butGenerar, &QPushButton::clicked, this, [this] {
        if (!session_.generate()) return;
        showPanes();
        ui_->butSave->setEnabled(session_.saveEnabled());
    });
    connect(ui_->butSave, &QPushButton::clicked, this, [this] { session_.save(); });
    connect(ui_->butSalir, &QPushButton::clicked, this, &QDialog::reject);
}

void GenerateDialog::showAll() {
    filling_ = true;
    setWindowTitle(qs(session_.title()));
    ui_->dedOutput->setText(qs(session_.output()));
    ui_->cmbForms->clear();
    for (const std::string& name : session_.formNames())
        ui_->cmbForms->addItem(qs(name));
    ui_->cmbForms->setCurrentIndex(session_.firstForm());
    ui_->edtCID->setText(qs(session_.creatorId()));
    ui_->edtAppName->setText(qs(session_.appName()));
    ui_->edtAppDB->setText(qs(session_.appDb()));
    ui_->edtVersion->setText(qs(session_.version()));
    filling_ = false;
    for (std::size_t i = 0; i < icons_.size(); ++i)
        showIcon(i);
    showTarget();
    showPanes();
    ui_->butSave->setEnabled(session_.saveEnabled());
    ui_->pagGenerate->setCurrentIndex(0);
}

void GenerateDialog::showTarget() {
    filling_ = true;
    (session_.memos() ? ui_->rbtMemos : ui_->rbtPDE)->setChecked(true);
    filling_ = false;
    ui_->grpPrcProp->setVisible(session_.prcShown());
    ui_->butSave->setVisible(session_.saveShown());
}

void GenerateDialog::showPanes() {
    filling_ = true;
    for (std::size_t p = 0; p < panes_.size(); ++p) {
        panes_[p]->setPlainText(qs(session_.pane(p)));
        panes_[p]->moveCursor(QTextCursor::Start);
        const int tab = ui_->pagGenerate->indexOf(panes_[p]->parentWidget());
        ui_->pagGenerate->setTabText(tab, qs(session_.paneTitle(p)));
        showCounters(p);
    }
    filling_ = false;
}

void GenerateDialog::showCounters(std::size_t pane) {
    const PaneCounters c = session_.counters(pane);
    lineCounters_[pane]->setText(qs(c.lines));
    charCounters_[pane]->setText(qs(c.chars));
}

void GenerateDialog::showIcon(std::size_t slot) {
    const QPixmap picture = iconPicture(session_.icon(slot));
    icons_[slot]->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
}

void GenerateDialog::chooseOutput() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Select the output directory"), toQString(session_.outputDirectory()));
    if (folder.isEmpty()) return;
    ui_->dedOutput->setText(folder);
    session_.setOutput(folder.toStdString());
}

} // namespace ornadeck::app
