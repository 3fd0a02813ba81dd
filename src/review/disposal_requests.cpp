#include "review/disposal_requests.h"

#include <set>
#include <vector>

#include "review/disposal_worker.h"
#include "review/review_lists.h"

namespace murvane {
namespace {

using enum Control;

void RequestDisposal(AppContext& app, const Text& path) {
    if (app.state.disposalQueue.Append(path, app.state.DisposalBusy)) {
        app.disposal.StartDisposalWorker();
    }
}

// The selected main-list rows in ascending order, then the ticked ones not selected.
std::vector<int> WorkList(const Form& form) {
    std::vector<int> rows = form.SelectedRows(超级列表框_主);
    std::set<int> taken(rows.begin(), rows.end());
    const int count = form.RowCount(超级列表框_主);
    for (int row = 0; row < count; ++row) {
        if (form.RowTick(超级列表框_主, row) == 1 && taken.insert(row).second) rows.push_back(row);
    }
    return rows;
}

// Every copy but the first of the first group with the row's title; the first stays on disk.
void QueueSurplusCopies(AppContext& app, int row) {
    const Text title = app.form.Cell(超级列表框_主, row, 1);
    const GroupTable& groups = app.state.match.groupTable;
    const int position = groups.FirstWithTitle(title);
    if (position == 0) return;
    const std::vector<Text>& paths = groups.At(position).paths;
    for (std::size_t i = 1; i < paths.size(); ++i) RequestDisposal(app, paths[i]);
}

bool ConfirmDeletion(AppContext& app) {
    if (app.state.DeleteMode != 1) return true;
    return app.form.ShowMessage("是否删除重复文件，删除将不能恢复。", " 重要提示...",
                                MessageKind::YesNoInfo) == MessageAnswer::Yes;
}

}  // namespace

void ProcessTicked(AppContext& app) {
    Form& form = app.form;
    const int rows = form.RowCount(超级列表框_辅);
    if (rows < 2) return;
    for (int row = 0; row < rows; ++row) {
        if (form.RowTick(超级列表框_辅, row) == 1)
            RequestDisposal(app, form.Cell(超级列表框_辅, row, 3));
    }
}

void ProcessAll(AppContext& app) {
    Form& form = app.form;
    if (form.RowCount(超级列表框_主) == 0) return;
    if (app.state.DisposalStopFlag == 0) {
        form.SetCaption(按钮_处理全部, "自动处理全部");
        app.state.DisposalStopFlag = 1;
        return;
    }
    app.state.DisposalStopFlag = 0;
    form.SetCaption(按钮_处理全部, "停止处理");

    const std::vector<int> rows = WorkList(form);
    if (rows.empty()) {
        const MessageAnswer answer = form.ShowMessage(
            "您还没有选择要处理的项目，请您先在左边选择要处理的项！\r\n\r\n是否自动全部选择并处理"
            "？",
            "  重要提示...", MessageKind::YesNoInfo);
        if (answer != MessageAnswer::Yes) return;
        app.state.DisposalStopFlag = 1;
        TickAllMainRows(app);
        ProcessAll(app);
        return;
    }
    if (!ConfirmDeletion(app)) return;
    for (int row : rows) QueueSurplusCopies(app, row);
}

}  // namespace murvane
