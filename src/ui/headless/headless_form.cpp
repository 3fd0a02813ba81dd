#include "ui/headless/headless_form.h"

namespace murvane {

HeadlessForm::HeadlessForm() {
    for (const ControlSpec& entry : ControlTable()) {
        if (entry.kind == ControlKind::CheckBox) ticks_[entry.id] = entry.ticked ? 1 : 0;
        if (entry.kind == ControlKind::EditBox || entry.kind == ControlKind::PushButton) {
            texts_[entry.id] = entry.caption;
        }
    }
    for (int i = 0; i < kPaneCount; ++i) panes_[i] = StatusPanes()[i].initialText;
}

int HeadlessForm::Tick(Control box) const {
    auto found = ticks_.find(box);
    return found == ticks_.end() ? 0 : found->second;
}

void HeadlessForm::SetTick(Control box, int ticked) {
    if (ticks_.contains(box)) ticks_[box] = ticked ? 1 : 0;
}

Text HeadlessForm::GetText(Control box) const {
    std::lock_guard lock(paneMutex_);
    auto found = texts_.find(box);
    return found == texts_.end() ? Text() : found->second;
}

void HeadlessForm::SetText(Control box, const Text& text) {
    {
        std::lock_guard lock(paneMutex_);
        texts_[box] = text;
    }
    Raise(box, FormEvent::TextChanged);
}

Text HeadlessForm::Caption(Control button) const {
    return GetText(button);
}

void HeadlessForm::SetCaption(Control button, const Text& caption) {
    std::lock_guard lock(paneMutex_);
    texts_[button] = caption;
}

HeadlessForm::ListData& HeadlessForm::List(Control list) {
    return list == Control::超级列表框_主 ? mainList_ : detailList_;
}

const HeadlessForm::ListData& HeadlessForm::List(Control list) const {
    return list == Control::超级列表框_主 ? mainList_ : detailList_;
}

const HeadlessForm::Row* HeadlessForm::RowAt(Control list, int row) const {
    const ListData& data = List(list);
    if (row < 0 || row >= static_cast<int>(data.rows.size())) return nullptr;
    return &data.rows[static_cast<std::size_t>(row)];
}

void HeadlessForm::ClearRows(Control list) {
    List(list).rows.clear();
    List(list).selected.clear();
}

int HeadlessForm::RowCount(Control list) const {
    return static_cast<int>(List(list).rows.size());
}

int HeadlessForm::AppendRow(Control list) {
    List(list).rows.emplace_back();
    return RowCount(list) - 1;
}

Text HeadlessForm::Cell(Control list, int row, int column) const {
    const Row* found = RowAt(list, row);
    if (found == nullptr || column < 0 || column >= kListColumns) return {};
    return found->cells[static_cast<std::size_t>(column)];
}

void HeadlessForm::SetCell(Control list, int row, int column, const Text& text) {
    if (RowAt(list, row) == nullptr || column < 0 || column >= kListColumns) return;
    List(list).rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)] = text;
}

int HeadlessForm::RowTick(Control list, int row) const {
    const Row* found = RowAt(list, row);
    return found == nullptr ? 0 : found->ticked;
}

void HeadlessForm::SetRowTick(Control list, int row, int ticked) {
    if (RowAt(list, row) == nullptr) return;
    List(list).rows[static_cast<std::size_t>(row)].ticked = ticked ? 1 : 0;
}

int HeadlessForm::FirstSelectedRow(Control list) const {
    const auto& selected = List(list).selected;
    return selected.empty() ? -1 : *selected.begin();
}

std::vector<int> HeadlessForm::SelectedRows(Control list) const {
    const auto& selected = List(list).selected;
    return {selected.begin(), selected.end()};
}

Text HeadlessForm::Pane(int index) const {
    if (index < 0 || index >= kPaneCount) return {};
    std::lock_guard lock(paneMutex_);
    return panes_[static_cast<std::size_t>(index)];
}

void HeadlessForm::SetPane(int index, const Text& text) {
    if (index < 0 || index >= kPaneCount) return;
    std::lock_guard lock(paneMutex_);
    panes_[static_cast<std::size_t>(index)] = text;
}

MessageAnswer HeadlessForm::ShowMessage(const Text& text, const Text& title, MessageKind kind) {
    messages_.push_back({text, title, kind});
    if (kind == MessageKind::OkError) return MessageAnswer::Ok;
    if (answers_.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

Text HeadlessForm::PickFolder(const Text& title) {
    pickerTitles_.push_back(title);
    if (folders_.empty()) return {};
    Text folder = folders_.front();
    folders_.pop_front();
    return folder;
}

void HeadlessForm::ProcessPendingEvents() {
    ++pendingEventsCalls_;
    if (pendingEventsHook_) pendingEventsHook_();
}

void HeadlessForm::Raise(Control control, FormEvent event, int column) {
    if (events_ != nullptr) events_->OnEvent(control, event, column);
}

void HeadlessForm::RaiseCreated() {
    Raise(Control::主窗口, FormEvent::Created);
}

void HeadlessForm::Click(Control control) {
    if (ticks_.contains(control)) ticks_[control] = 1 - ticks_[control];
    Raise(control, FormEvent::Clicked);
}

void HeadlessForm::DoubleClick(Control control) {
    Raise(control, FormEvent::DoubleClicked);
}

void HeadlessForm::TypeText(Control box, const Text& text) {
    SetText(box, text);
}

void HeadlessForm::SelectRows(Control list, std::vector<int> rows) {
    auto& selected = List(list).selected;
    selected.clear();
    for (int row : rows) {
        if (RowAt(list, row) != nullptr) selected.insert(row);
    }
}

void HeadlessForm::ClickList(Control list) {
    Raise(list, FormEvent::ListClicked);
}

void HeadlessForm::ClickHeader(Control list, int column) {
    Raise(list, FormEvent::HeaderClicked, column);
}

void HeadlessForm::Close() {
    if (events_ != nullptr) events_->OnClosing();
}

}  // namespace murvane
