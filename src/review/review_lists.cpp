#include "review/review_lists.h"

namespace murvane {
namespace {

constexpr Control kMainList = Control::超级列表框_主;
constexpr Control kDetailList = Control::超级列表框_辅;

void AppendDetailRows(Form& form, const DuplicateGroup& group) {
    for (std::size_t i = 0; i < group.paths.size(); ++i) {
        const int row = form.AppendRow(kDetailList);
        form.SetCell(kDetailList, row, 0, NumberText(static_cast<long long>(i) + 1));
        form.SetCell(kDetailList, row, 1, group.title);
        form.SetCell(kDetailList, row, 2, group.artist);
        form.SetCell(kDetailList, row, 3, group.paths[i]);
    }
}

void SetAllTicks(Form& form, Control list, int ticked) {
    const int rows = form.RowCount(list);
    for (int row = 0; row < rows; ++row) form.SetRowTick(list, row, ticked);
}

}  // namespace

void ShowGroupFiles(AppContext& app) {
    Form& form = app.form;
    if (form.RowCount(kMainList) == 0) return;
    form.ClearRows(kDetailList);
    const Text key = form.Cell(kMainList, form.FirstSelectedRow(kMainList), 1);
    const GroupTable& groups = app.state.match.groupTable;
    for (int position : groups.AllWithTitle(key)) AppendDetailRows(form, groups.At(position));

    // The first file stays on disk; with auto-select every other one is ticked for disposal.
    if (form.Tick(Control::选择框3) == 1) {
        const int rows = form.RowCount(kDetailList);
        for (int row = 1; row < rows; ++row) form.SetRowTick(kDetailList, row, 1);
    }
}

void ToggleAllChecks(AppContext& app, Control list, int column) {
    if (column != 0 || app.form.RowCount(list) == 0) return;
    int& toggle = list == kMainList ? app.state.MainCheckToggle : app.state.DetailCheckToggle;
    SetAllTicks(app.form, list, toggle == 0 ? 1 : 0);
    toggle = 1 - toggle;
}

void TickAllMainRows(AppContext& app) {
    SetAllTicks(app.form, kMainList, 1);
    app.state.MainCheckToggle = 1;
}

}  // namespace murvane
