#include "ui/qt/balloon_tooltips.h"

#include <QEvent>

#include "ui/qt/qt_text.h"

namespace murvane {
namespace {

constexpr int kRestMilliseconds = 500;

}  // namespace

BalloonTooltips::BalloonTooltips(QWidget* window)
    : QObject(window), balloon_(new BalloonTip(window)) {
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMilliseconds);
    connect(&restTimer_, &QTimer::timeout, this, &BalloonTooltips::ShowForHovered);
}

void BalloonTooltips::Add(Control id, QWidget* control, const Text& text) {
    added_.emplace_back(id, text);
    if (control == nullptr) return;
    texts_[control] = ToQString(text);
    control->installEventFilter(this);
}

bool BalloonTooltips::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
            hovered_ = qobject_cast<QWidget*>(watched);
            restTimer_.start();
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            if (watched == hovered_) Hide();
            break;
        case QEvent::MouseButtonPress:
            if (watched == hovered_) {  // a click dismisses the tip
                restTimer_.stop();
                balloon_->hide();
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void BalloonTooltips::ShowForHovered() {
    if (hovered_ == nullptr || !hovered_->isVisible()) return;
    balloon_->ShowBelow(*hovered_, texts_[hovered_]);
}

void BalloonTooltips::Hide() {
    hovered_ = nullptr;
    restTimer_.stop();
    balloon_->hide();
}

}  // namespace murvane
