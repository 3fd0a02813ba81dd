// The real window: a Form over Qt widgets. It runs on the UI thread; only Pane, SetPane and
// GetText may be called from another thread (the disposal worker), and they never wait for the
// UI thread: they use locked copies of the texts and queue their widget updates.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <mutex>

#include "ui/form.h"
#include "ui/qt/balloon_tooltips.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/main_window.h"

namespace murvane {

class QtForm : public Form {
  public:
    QtForm();  // makes the window and all its controls, hidden
    ~QtForm() override;
    QtForm(const QtForm&) = delete;
    QtForm& operator=(const QtForm&) = delete;

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
    void FocusMainWindow() override;
    void SetWindowOuterSize(int width, int height) override;
    void UseColourScheme(int scheme) override;
    void AddTooltip(Control control, const Text& text) override;

    // The program's side: the creation event, then the first showing.
    void RaiseCreated();
    void ShowCentred();

    QWidget& Window() const { return *window_; }
    QWidget* Widget(Control control) const;  // null for the window itself and unknown ids
    const BalloonTooltips& Tooltips() const { return *tooltips_; }

  private:
    void Raise(Control control, FormEvent event, int column = 0);
    void WireEvents();
    void WireEditBox(Control id, QWidget* widget);
    bool OnUiThread() const;
    ReportListView* List(Control list) const;
    void StoreText(Control box, const Text& text);

    static constexpr qint64 kEventSliceMs = 15;

    FormEvents* events_ = nullptr;
    QElapsedTimer sinceEventsHandled_;
    mutable std::mutex textsMutex_;
    std::map<Control, Text> editTexts_;  // what GetText answers, from any thread
    // The widgets go first when the form is destroyed (see the destructor).
    std::unique_ptr<MainWindow> window_;
    ControlWidgets controls_;
    BalloonTooltips* tooltips_ = nullptr;
};

}  // namespace murvane
