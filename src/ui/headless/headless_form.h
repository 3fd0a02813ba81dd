// A form of plain data: the tests and murvane-cli drive the reactions through it. Message boxes
// and the folder picker take scripted answers; a hook runs at each ProcessPendingEvents.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "ui/form.h"

namespace murvane {

struct ShownMessage {
    Text text;
    Text title;
    MessageKind kind;
};

class HeadlessForm : public Form {
  public:
    HeadlessForm();

    void SetEvents(FormEvents* events) override { events_ = events; }

    int Tick(Control box) const override;
    void SetTick(Control box, int ticked) override;
    Text GetText(Control box) const override;
    void SetText(Control box, const Text& text) override;
    Text Caption(Control button) const override;
    void SetCaption(Control button, const Text& caption) override;

    void ClearRows(Control list) override;
    int RowCount(Control list) const override;
    int AppendRow(Control list) override;
    Text Cell(Control list, int row, int column) const override;
    void SetCell(Control list, int row, int column, const Text& text) override;
    int RowTick(Control list, int row) const override;
    void SetRowTick(Control list, int row, int ticked) override;
    int FirstSelectedRow(Control list) const override;
    std::vector<int> SelectedRows(Control list) const override;

    Text Pane(int index) const override;
    void SetPane(int index, const Text& text) override;

    MessageAnswer ShowMessage(const Text& text, const Text& title, MessageKind kind) override;
    Text PickFolder(const Text& title) override;
    void ProcessPendingEvents() override;
    void FocusMainWindow() override { ++focusRequests_; }
    void SetWindowOuterSize(int width, int height) override { outerSize_ = {width, height}; }
    void UseColourScheme(int scheme) override { colourScheme_ = scheme; }
    void AddTooltip(Control control, const Text& text) override {
        tooltips_.push_back({control, text});
    }

    // What a user does. Click toggles a check box before raising Clicked, as the real one does.
    void RaiseCreated();
    void Click(Control control);
    void DoubleClick(Control control);
    void TypeText(Control box, const Text& text);
    void SelectRows(Control list, std::vector<int> rows);
    void ClickList(Control list);
    void ClickHeader(Control list, int column);
    void Close();

    // Scripted answers, taken in order; with none left a message box answers No (or Ok) and
    // the picker is cancelled.
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void QueueFolder(const Text& folder) { folders_.push_back(folder); }
    void SetPendingEventsHook(std::function<void()> hook) { pendingEventsHook_ = std::move(hook); }

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    const std::vector<Text>& PickerTitles() const { return pickerTitles_; }
    int PendingEventsCalls() const { return pendingEventsCalls_; }
    int FocusRequests() const { return focusRequests_; }
    std::pair<int, int> OuterSize() const { return outerSize_; }
    int ColourScheme() const { return colourScheme_; }
    const std::vector<std::pair<Control, Text>>& AddedTooltips() const { return tooltips_; }

  private:
    struct Row {
        std::array<Text, kListColumns> cells;
        int ticked = 0;
    };
    struct ListData {
        std::vector<Row> rows;
        std::set<int> selected;
    };

    void Raise(Control control, FormEvent event, int column = 0);
    ListData& List(Control list);
    const ListData& List(Control list) const;
    const Row* RowAt(Control list, int row) const;

    FormEvents* events_ = nullptr;
    std::map<Control, int> ticks_;
    std::map<Control, Text> texts_;  // edit box texts and button captions
    ListData mainList_;
    ListData detailList_;

    mutable std::mutex paneMutex_;  // panes and the target box are read by the disposal worker
    std::array<Text, kPaneCount> panes_;

    std::deque<MessageAnswer> answers_;
    std::deque<Text> folders_;
    std::function<void()> pendingEventsHook_;
    std::vector<ShownMessage> messages_;
    std::vector<Text> pickerTitles_;
    int pendingEventsCalls_ = 0;
    int focusRequests_ = 0;
    std::pair<int, int> outerSize_{0, 0};
    int colourScheme_ = 0;
    std::vector<std::pair<Control, Text>> tooltips_;
};

}  // namespace murvane
