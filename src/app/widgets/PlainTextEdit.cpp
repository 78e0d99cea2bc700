#include "widgets/PlainTextEdit.h"

#include <QMimeData>

namespace ornadeck::app {

bool PlainTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void PlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source)) return;
    insertPlainText(source->text());
    ensureCursorVisible();
}

} // namespace ornadeck::app
