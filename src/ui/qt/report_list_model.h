// The rows of one report list: cell texts kept as the bytes they were given, one tick per row.
// The view asks only for what it paints, so a list of many thousand rows stays light.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "text/text.h"
#include "ui/controls.h"

namespace murvane {

class ReportListModel : public QAbstractTableModel {
  public:
    ReportListModel(const std::array<ColumnSpec, kListColumns>& columns, QObject* parent);

    void Clear();
    int Rows() const { return static_cast<int>(rows_.size()); }
    int AppendRow();  // returns the new row's index
    // A cell or tick of a row that does not exist reads empty (0) and ignores writes.
    Text Cell(int row, int column) const;
    void SetCell(int row, int column, const Text& text);
    int Tick(int row) const;
    void SetTick(int row, int ticked);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        std::array<Text, kListColumns> cells;
        bool ticked = false;
    };
    static constexpr int kTickColumn = 0;

    bool Exists(int row) const { return row >= 0 && row < Rows(); }
    const std::array<ColumnSpec, kListColumns>& columns_;
    std::vector<Row> rows_;
};

}  // namespace murvane
