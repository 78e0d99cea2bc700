#pragma once

#include "workbench/Inspector.h"

#include <QDockWidget>
#include <vector>

class QComboBox;
class QTableWidget;

namespace ornadeck::app {

class AppCore;
class DesignerViews;
class ValueDelegate;

// "Properties Editor": the component combo over the name/value grid, bound to the core's
// inspector model. Its object name is the one help context 4 looks for.
class InspectorDock : public QDockWidget {
    Q_OBJECT
  public:
    InspectorDock(AppCore& core, DesignerViews& views, QWidget* parent = nullptr);

    // Shows the rows again when the core has shown an object since; otherwise leaves the
    // grid, and whatever is being typed in it, alone.
    void refresh();

    Inspector& model() { return inspector_; }
    QComboBox& components() const { return *combo_; }
    QTableWidget& grid() const { return *grid_; }
    // Makes the named row current and opens its editor; null when there is no such row.
    QWidget* openEditor(const QString& name);
    // The in-place editor open now, if any.
    QWidget* editor() const;

  signals:
    // A form changed through the inspector.
    void edited();

  private:
    void showRows();
    void showComponents();
    void typed(int row, const QString& text);
    QString finish(int row, const QString& text);
    void picked(int row, const QString& text);
    void openRow(int row);
    void moveRow(int row, int step);
    void chooseComponent(int index);
    void setCurrentRowQuietly(int row);
    int rowOf(const QString& name) const;

    AppCore& core_;
    DesignerViews& views_;
    Inspector inspector_;
    QComboBox* combo_;
    QTableWidget* grid_;
    ValueDelegate* delegate_;
    std::vector<ComponentEntry> shownComponents_;
};

} // namespace ornadeck::app
