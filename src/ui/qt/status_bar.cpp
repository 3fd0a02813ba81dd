#include "ui/qt/status_bar.h"

#include <QMetaObject>

#include "ui/qt/qt_text.h"
#include "ui/qt/theme.h"

namespace murvane {
namespace {

bool ValidPane(int index) {
    return index >= 0 && index < kPaneCount;
}

QFrame* MakePane(const PaneSpec& entry, QWidget* parent) {
    if (entry.spacer) {
        auto* spacer = new QFrame(parent);
        spacer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        spacer->setLineWidth(1);
        return spacer;
    }
    auto* label = new QLabel(QString::fromUtf8(entry.initialText), parent);
    label->setFrameStyle(QFrame::NoFrame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setIndent(2);
    return label;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(kStatusBarBackground));
    setPalette(colours);
    int left = 0;
    for (int i = 0; i < kPaneCount; ++i) {
        const PaneSpec& entry = StatusPanes()[static_cast<std::size_t>(i)];
        panes_[static_cast<std::size_t>(i)] = MakePane(entry, this);
        panes_[static_cast<std::size_t>(i)]->setGeometry(left, 0, entry.width, kStatusBarHeight);
        texts_[static_cast<std::size_t>(i)] = entry.initialText;
        left += entry.width;
    }
}

Text StatusBar::Pane(int index) const {
    if (!ValidPane(index)) return {};
    std::lock_guard lock(textsMutex_);
    return texts_[static_cast<std::size_t>(index)];
}

void StatusBar::SetPane(int index, const Text& text) {
    if (!ValidPane(index)) return;
    {
        std::lock_guard lock(textsMutex_);
        texts_[static_cast<std::size_t>(index)] = text;
    }
    // The labels catch up when the window next handles its events: a scan writes the panes for
    // every file, far more often than a screen can show.
    if (!refreshQueued_.exchange(true)) {
        QMetaObject::invokeMethod(this, &StatusBar::ShowTexts, Qt::QueuedConnection);
    }
}

QFrame* StatusBar::PaneWidget(int index) const {
    return ValidPane(index) ? panes_[static_cast<std::size_t>(index)] : nullptr;
}

void StatusBar::ShowText(int index, const Text& text) {
    auto* label = qobject_cast<QLabel*>(panes_[static_cast<std::size_t>(index)]);
    if (label == nullptr) return;  // a spacer shows no text
    const QString shown = ToQString(text);
    if (label->text() != shown) label->setText(shown);
}

void StatusBar::ShowTexts() {
    refreshQueued_ = false;  // a write after this point queues a refresh of its own
    std::array<Text, kPaneCount> texts;
    {
        std::lock_guard lock(textsMutex_);
        texts = texts_;
    }
    for (int i = 0; i < kPaneCount; ++i) ShowText(i, texts[static_cast<std::size_t>(i)]);
}

}  // namespace murvane
