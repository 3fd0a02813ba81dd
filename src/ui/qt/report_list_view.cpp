#include "ui/qt/report_list_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

namespace murvane {

ReportListView::ReportListView(Control list, QWidget* parent)
    : QTableView(parent), model_(new ReportListModel(ColumnsOf(list), this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(true);
    setWordWrap(false);
    setMouseTracking(false);
    setAttribute(Qt::WA_Hover, false);  // no hot tracking
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Every row has the same height, so the view never measures rows to scroll.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    SetUpHeader(ColumnsOf(list));
}

void ReportListView::SetUpHeader(const std::array<ColumnSpec, kListColumns>& columns) {
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < kListColumns; ++column) {
        header->resizeSection(column, columns[static_cast<std::size_t>(column)].width);
    }
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        if (onHeaderClicked) onHeaderClicked(column);
    });
}

int ReportListView::FirstSelectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (first < 0 || range.top() < first) first = range.top();
    }
    return first;
}

std::vector<int> ReportListView::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// A click below the last row (or beside the columns) selects nothing, as it does in any list.
void ReportListView::mousePressEvent(QMouseEvent* event) {
    const bool onNothing = !indexAt(event->position().toPoint()).isValid();
    if (event->button() == Qt::LeftButton && onNothing &&
        !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        clearSelection();
    }
    QTableView::mousePressEvent(event);
}

void ReportListView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const bool endsDoubleClick = releaseEndsDoubleClick_;
    releaseEndsDoubleClick_ = false;
    if (event->button() == Qt::LeftButton && !endsDoubleClick && onClicked) onClicked();
}

void ReportListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) releaseEndsDoubleClick_ = true;
}

}  // namespace murvane
