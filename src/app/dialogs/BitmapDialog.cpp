#include "dialogs/BitmapDialog.h"

#include "QtUi.h"
#include "dialogs/BitmapGrid.h"
#include "workbench/BitmapEditor.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ornadeck::app {

namespace {

constexpr int kButtonColumn = 80;

} // namespace

BitmapDialog::BitmapDialog(BitmapEditor& editor, Ui& ui, QWidget* parent)
    : QDialog(parent), grid_(new BitmapGrid(editor)) {
    setObjectName("TfrmBmpEd");
    setWindowTitle(tr("Bitmap Editor"));
    setModal(true);

    auto* scroll = new QScrollArea;
    scroll->setObjectName("scrBitmap");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(grid_);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setFocusProxy(grid_);

    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName("butOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName("butCancel");
    auto* clear = new QPushButton(tr("&Clear"));
    clear->setObjectName("butClear");
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 6);
    for (QPushButton* b : {ok, cancel, clear}) {
        b->setFixedWidth(kButtonColumn - 12);
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, [this, &editor, &ui] {
        if (editor.clear(ui)) grid_->update();
    });

    // The grid's size plus the button column; a picture too large for the screen scrolls.
    QSize size(editor.clientWidth(), editor.clientHeight());
    if (const QScreen* screen = parent ? parent->screen() : nullptr)
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    setFixedSize(size);
    grid_->setFocus();
}

bool BitmapDialog::edit(QWidget* parent, BitmapEditor& editor, QtUi& ui) {
    BitmapDialog dialog(editor, ui, parent);
    // Its questions (Clear) belong to this window, not to the one under it.
    QWidget* before = ui.parentWidget();
    ui.setParentWidget(&dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    ui.setParentWidget(before);
    return accepted;
}

} // namespace ornadeck::app
