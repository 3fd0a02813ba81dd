// The tooltips of the window's controls: when the mouse rests on a control that carries one,
// its balloon appears centred below it, whether or not the window is active (the toolkit's own
// tooltips wait for an active window).
#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <utility>
#include <vector>

#include "text/text.h"
#include "ui/controls.h"
#include "ui/qt/balloon_tip.h"

namespace murvane {

class BalloonTooltips : public QObject {
  public:
    // The balloon window is a child of `window`, so it goes when the window goes.
    explicit BalloonTooltips(QWidget* window);

    void Add(Control id, QWidget* control, const Text& text);

    // Every tooltip in the order it was added.
    const std::vector<std::pair<Control, Text>>& Added() const { return added_; }
    const BalloonTip& Balloon() const { return *balloon_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowForHovered();
    void Hide();

    BalloonTip* balloon_;
    QTimer restTimer_;  // how long the mouse rests before the balloon shows
    std::map<QObject*, QString> texts_;
    std::vector<std::pair<Control, Text>> added_;
    QWidget* hovered_ = nullptr;
};

}  // namespace murvane
