// A report list: header row with clickable column buttons, a check box in front of every row,
// full-row and multiple selection, grid lines, no sorting, no editing. It reports a left click
// in its client area once the selection has followed the click, and header clicks by column.
#pragma once

#include <QTableView>
#include <functional>

#include "ui/controls.h"
#include "ui/qt/report_list_model.h"

namespace murvane {

class ReportListView : public QTableView {
  public:
    ReportListView(Control list, QWidget* parent);

    ReportListModel& Model() { return *model_; }
    const ReportListModel& Model() const { return *model_; }
    int FirstSelectedRow() const;
    std::vector<int> SelectedRows() const;  // ascending

    std::function<void()> onClicked;
    std::function<void(int column)> onHeaderClicked;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void SetUpHeader(const std::array<ColumnSpec, kListColumns>& columns);

    ReportListModel* model_;
    // The second click of a double click is a double click, not another click.
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace murvane
