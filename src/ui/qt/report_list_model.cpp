#include "ui/qt/report_list_model.h"

#include "ui/qt/qt_text.h"

namespace murvane {
namespace {

bool ValidColumn(int column) {
    return column >= 0 && column < kListColumns;
}

}  // namespace

ReportListModel::ReportListModel(const std::array<ColumnSpec, kListColumns>& columns,
                                 QObject* parent)
    : QAbstractTableModel(parent), columns_(columns) {}

void ReportListModel::Clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

int ReportListModel::AppendRow() {
    const int row = Rows();
    beginInsertRows({}, row, row);
    rows_.emplace_back();
    endInsertRows();
    return row;
}

Text ReportListModel::Cell(int row, int column) const {
    if (!Exists(row) || !ValidColumn(column)) return {};
    return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}

void ReportListModel::SetCell(int row, int column, const Text& text) {
    if (!Exists(row) || !ValidColumn(column)) return;
    rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

int ReportListModel::Tick(int row) const {
    return Exists(row) && rows_[static_cast<std::size_t>(row)].ticked ? 1 : 0;
}

void ReportListModel::SetTick(int row, int ticked) {
    if (!Exists(row)) return;
    rows_[static_cast<std::size_t>(row)].ticked = ticked != 0;
    const QModelIndex changed = index(row, kTickColumn);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Rows();
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListColumns;
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Exists(index.row())) return {};
    if (role == Qt::DisplayRole) return ToQString(Cell(index.row(), index.column()));
    if (role == Qt::CheckStateRole && index.column() == kTickColumn) {
        return static_cast<int>(Tick(index.row()) ? Qt::Checked : Qt::Unchecked);
    }
    return {};
}

// Only the user's click on a row's check box comes through here.
bool ReportListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != kTickColumn) {
        return false;
    }
    SetTick(index.row(), value.toInt() == Qt::Checked ? 1 : 0);
    return true;
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kTickColumn) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !ValidColumn(section)) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromUtf8(columns_[static_cast<std::size_t>(section)].header);
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

}  // namespace murvane
