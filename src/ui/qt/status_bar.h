// The status bar along the window's bottom edge: 19 panes of fixed width, labels and values
// without border, 5-pixel spacers with a sunken one. The disposal worker writes panes from its
// own thread, so the texts live in a locked copy that any thread reads without waiting for the
// UI thread; writes reach the labels through one queued refresh at a time.
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>
#include <atomic>
#include <mutex>

#include "text/text.h"
#include "ui/controls.h"

namespace murvane {

class StatusBar : public QFrame {
  public:
    explicit StatusBar(QWidget* parent);

    // Indices outside 0..18 are ignored and read empty.
    Text Pane(int index) const;
    void SetPane(int index, const Text& text);

    // The widget that shows pane `index` (for tests), or null.
    QFrame* PaneWidget(int index) const;

  private:
    // UI thread only.
    void ShowText(int index, const Text& text);
    void ShowTexts();  // every pane, from the locked copy

    std::array<QFrame*, kPaneCount> panes_{};
    mutable std::mutex textsMutex_;
    std::array<Text, kPaneCount> texts_;
    // One queued refresh at a time, however fast another thread writes.
    std::atomic<bool> refreshQueued_{false};
};

}  // namespace murvane
