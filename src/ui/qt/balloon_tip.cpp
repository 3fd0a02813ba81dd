#include "ui/qt/balloon_tip.h"

#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>

namespace murvane {
namespace {

constexpr int kStemHeight = 8;
constexpr int kStemHalfWidth = 7;
constexpr int kPaddingX = 8;
constexpr int kPaddingY = 5;
constexpr qreal kCornerRadius = 5;
const QColor kFill(255, 255, 225);
const QColor kBorder(118, 118, 118);

}  // namespace

BalloonTip::BalloonTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("balloonTip"));
}

void BalloonTip::ShowBelow(const QWidget& control, const QString& text) {
    text_ = text;
    const QFontMetrics metrics(font());
    const QSize size(metrics.horizontalAdvance(text_) + 2 * kPaddingX,
                     metrics.height() + 2 * kPaddingY + kStemHeight);
    const QPoint tip = control.mapToGlobal(QPoint(control.width() / 2, control.height()));
    int left = tip.x() - size.width() / 2;
    if (const QScreen* screen = control.screen()) {
        const QRect area = screen->availableGeometry();
        left =
            std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    }
    stemX_ = tip.x() - left;
    setGeometry(QRect(QPoint(left, tip.y()), size));
    setMask(QRegion(Outline().toFillPolygon().toPolygon()));
    show();
    raise();
    update();
}

// The box below, the stem rising from its top edge to the tip.
QPainterPath BalloonTip::Outline() const {
    const QRectF box(0, kStemHeight, width() - 1, height() - kStemHeight - 1);
    QPainterPath outline;
    outline.addRoundedRect(box, kCornerRadius, kCornerRadius);
    const qreal stemX = std::clamp<qreal>(stemX_, kStemHalfWidth + kCornerRadius,
                                          width() - kStemHalfWidth - kCornerRadius - 1);
    QPainterPath stem;
    stem.moveTo(stemX - kStemHalfWidth, kStemHeight + 1);
    stem.lineTo(stemX, 0);
    stem.lineTo(stemX + kStemHalfWidth, kStemHeight + 1);
    stem.closeSubpath();
    return outline.united(stem);
}

void BalloonTip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kBorder);
    painter.setBrush(kFill);
    painter.drawPath(Outline());
    painter.setPen(Qt::black);
    const QRect textArea(kPaddingX, kStemHeight + kPaddingY, width() - 2 * kPaddingX,
                         height() - kStemHeight - 2 * kPaddingY);
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, text_);
}

}  // namespace murvane
