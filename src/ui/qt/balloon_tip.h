// A balloon-shaped tip window: one line of text in a rounded box whose stem points up at the
// control it belongs to. It never takes the focus or activates.
#pragma once

#include <QWidget>

namespace murvane {

class BalloonTip : public QWidget {
    Q_OBJECT

  public:
    explicit BalloonTip(QWidget* parent);

    // Shows `text` centred below `control` (moved sideways only as far as the screen needs).
    void ShowBelow(const QWidget& control, const QString& text);
    QString Text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPainterPath Outline() const;

    QString text_;
    int stemX_ = 0;  // where the stem's tip is, in the balloon's own coordinates
};

}  // namespace murvane
