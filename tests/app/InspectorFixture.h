#pragma once

#include "AppFixture.h"
#include "inspector/InspectorDock.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace ornadeck::app::test {

// The designer with its Properties Editor, and the ways a person edits a row.
class InspectorDockTest : public AppFixture {
  protected:
    void newProject(Library library) {
        AppFixture::newProject(library);
        ASSERT_NE(activeView(), nullptr);
    }
    InspectorDock& inspector() { return window->docks().inspector(); }
    ZoomDock& zoom() { return window->docks().zoom(); }
    QString cell(const QString& name) {
        QTableWidget& grid = inspector().grid();
        for (int i = 0; i < grid.rowCount(); ++i)
            if (grid.item(i, 0)->text() == name) return grid.item(i, 1)->text();
        return "(no row)";
    }
    QLineEdit* typeInto(const QString& row, const QString& text) {
        return typeIntoInspector(row, text);
    }
    void pick(const QString& row, const QString& entry) {
        auto* list = qobject_cast<QComboBox*>(inspector().openEditor(row));
        ASSERT_NE(list, nullptr) << row.toStdString();
        const int i = list->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
    void pressEllipsis(const QString& row) {
        QWidget* box = inspector().openEditor(row);
        ASSERT_NE(box, nullptr) << row.toStdString();
        QTest::mouseClick(box->findChild<QToolButton*>(), Qt::LeftButton);
    }
};

} // namespace ornadeck::app::test
