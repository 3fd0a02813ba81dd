#include "ui/qt/qt_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <algorithm>

#include "ui/qt/edit_box.h"
#include "ui/qt/folder_picker.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/theme.h"

namespace murvane {

QtForm::QtForm() {
    UseDefaultLook();
    window_ = std::make_unique<MainWindow>();
    controls_ = MakeControlWidgets(*window_);
    tooltips_ = new BalloonTooltips(window_.get());
    for (const ControlSpec& entry : ControlTable()) {
        if (entry.kind == ControlKind::EditBox) editTexts_[entry.id] = entry.caption;
    }
    WireEvents();
    window_->onClosing = [this] {
        if (events_ != nullptr) events_->OnClosing();
    };
}

// The widgets go before anything their signal handlers use; no event is raised meanwhile.
QtForm::~QtForm() {
    events_ = nullptr;
    window_.reset();
}

void QtForm::WireEvents() {
    for (const auto& [id, widget] : controls_.byId) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            // clicked comes from the user only (mouse or space bar), after a box's tick changed.
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [this, id = id] { Raise(id, FormEvent::Clicked); });
        }
        if (qobject_cast<EditBox*>(widget) != nullptr) WireEditBox(id, widget);
    }
    for (ReportListView* list : {controls_.mainList, controls_.detailList}) {
        const Control id =
            list == controls_.mainList ? Control::超级列表框_主 : Control::超级列表框_辅;
        list->onClicked = [this, id] { Raise(id, FormEvent::ListClicked); };
        list->onHeaderClicked = [this, id](int column) {
            Raise(id, FormEvent::HeaderClicked, column);
        };
    }
}

void QtForm::WireEditBox(Control id, QWidget* widget) {
    auto* edit = static_cast<EditBox*>(widget);
    // textEdited is the user's typing only; program writes raise their event in SetText.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id](const QString& text) {
        StoreText(id, ToText(text));
        Raise(id, FormEvent::TextChanged);
    });
    edit->onDoubleClicked = [this, id] { Raise(id, FormEvent::DoubleClicked); };
}

void QtForm::Raise(Control control, FormEvent event, int column) {
    if (events_ != nullptr) events_->OnEvent(control, event, column);
}

bool QtForm::OnUiThread() const {
    return QThread::currentThread() == window_->thread();
}

QWidget* QtForm::Widget(Control control) const {
    auto found = controls_.byId.find(control);
    return found == controls_.byId.end() ? nullptr : found->second;
}

ReportListView* QtForm::List(Control list) const {
    if (list == Control::超级列表框_主) return controls_.mainList;
    if (list == Control::超级列表框_辅) return controls_.detailList;
    return nullptr;
}

int QtForm::Tick(Control box) const {
    auto* check = qobject_cast<QCheckBox*>(Widget(box));
    return check != nullptr && check->isChecked() ? 1 : 0;
}

// setChecked emits toggled, never clicked, so no reaction runs.
void QtForm::SetTick(Control box, int ticked) {
    if (auto* check = qobject_cast<QCheckBox*>(Widget(box))) check->setChecked(ticked != 0);
}

Text QtForm::GetText(Control box) const {
    std::lock_guard lock(textsMutex_);
    auto found = editTexts_.find(box);
    return found == editTexts_.end() ? Text() : found->second;
}

void QtForm::StoreText(Control box, const Text& text) {
    std::lock_guard lock(textsMutex_);
    editTexts_[box] = text;
}

// QLineEdit::setText stays silent when the text does not change, and reports a change before
// the copy that GetText reads is up to date; so the event is raised here, once, afterwards.
void QtForm::SetText(Control box, const Text& text) {
    auto* edit = qobject_cast<EditBox*>(Widget(box));
    if (edit == nullptr) return;
    if (!OnUiThread()) {
        StoreText(box, text);
        QMetaObject::invokeMethod(
            edit, [this, box, text] { SetText(box, text); }, Qt::QueuedConnection);
        return;
    }
    edit->setText(ToQString(text));
    StoreText(box, text);
    Raise(box, FormEvent::TextChanged);
}

Text QtForm::Caption(Control button) const {
    auto* push = qobject_cast<QPushButton*>(Widget(button));
    return push == nullptr ? Text() : ToText(push->text());
}

void QtForm::SetCaption(Control button, const Text& caption) {
    if (auto* push = qobject_cast<QPushButton*>(Widget(button))) push->setText(ToQString(caption));
}

void QtForm::ClearRows(Control list) {
    if (ReportListView* view = List(list)) view->Model().Clear();
}

int QtForm::RowCount(Control list) const {
    const ReportListView* view = List(list);
    return view == nullptr ? 0 : view->Model().Rows();
}

int QtForm::AppendRow(Control list) {
    ReportListView* view = List(list);
    return view == nullptr ? -1 : view->Model().AppendRow();
}

Text QtForm::Cell(Control list, int row, int column) const {
    const ReportListView* view = List(list);
    return view == nullptr ? Text() : view->Model().Cell(row, column);
}

void QtForm::SetCell(Control list, int row, int column, const Text& text) {
    if (ReportListView* view = List(list)) view->Model().SetCell(row, column, text);
}

int QtForm::RowTick(Control list, int row) const {
    const ReportListView* view = List(list);
    return view == nullptr ? 0 : view->Model().Tick(row);
}

void QtForm::SetRowTick(Control list, int row, int ticked) {
    if (ReportListView* view = List(list)) view->Model().SetTick(row, ticked);
}

int QtForm::FirstSelectedRow(Control list) const {
    const ReportListView* view = List(list);
    return view == nullptr ? -1 : view->FirstSelectedRow();
}

std::vector<int> QtForm::SelectedRows(Control list) const {
    const ReportListView* view = List(list);
    return view == nullptr ? std::vector<int>() : view->SelectedRows();
}

Text QtForm::Pane(int index) const {
    return controls_.statusBar->Pane(index);
}

void QtForm::SetPane(int index, const Text& text) {
    controls_.statusBar->SetPane(index, text);
}

MessageAnswer QtForm::ShowMessage(const Text& text, const Text& title, MessageKind kind) {
    const bool yesNo = kind == MessageKind::YesNoInfo;
    QMessageBox box(yesNo ? QMessageBox::Information : QMessageBox::Critical, ToQString(title),
                    ToQString(text), yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    window_.get());
    box.setWindowModality(Qt::ApplicationModal);
    const int pressed = box.exec();
    if (!yesNo) return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

Text QtForm::PickFolder(const Text& title) {
    return murvane::PickFolder(window_.get(), title);
}

// Handling the window's events (and the repaints they bring) costs far more than a directory
// entry: done for every entry, it would let the window, not the disk, set the pace of a scan.
// So events are handled at most once per slice, which no user can tell from every entry.
void QtForm::ProcessPendingEvents() {
    if (sinceEventsHandled_.isValid() && sinceEventsHandled_.elapsed() < kEventSliceMs) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceEventsHandled_.start();
}

void QtForm::FocusMainWindow() {
    window_->activateWindow();
    window_->setFocus(Qt::OtherFocusReason);
}

// The window keeps a fixed size; the status bar stays docked along its bottom edge.
void QtForm::SetWindowOuterSize(int width, int height) {
    const int clientWidth = std::max(0, width - 2 * kFrameWidth);
    const int clientHeight = std::max(0, height - kCaptionHeight - kFrameWidth);
    window_->SetClientSize(clientWidth, clientHeight);
    controls_.statusBar->setGeometry(0, clientHeight - kStatusBarHeight, clientWidth,
                                     kStatusBarHeight);
}

void QtForm::UseColourScheme(int scheme) {
    ApplyColourScheme(scheme);
}

void QtForm::AddTooltip(Control control, const Text& text) {
    tooltips_->Add(control, Widget(control), text);
}

void QtForm::RaiseCreated() {
    Raise(Control::主窗口, FormEvent::Created);
}

void QtForm::ShowCentred() {
    const QScreen* screen = window_->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        const QSize outer(window_->width() + 2 * kFrameWidth,
                          window_->height() + kCaptionHeight + kFrameWidth);
        // A screen smaller than the window shows its top left corner.
        window_->move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                      area.top() + std::max(0, (area.height() - outer.height()) / 2));
    }
    window_->show();
}

}  // namespace murvane
