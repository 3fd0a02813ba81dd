#include "ui/qt/theme.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QStyleFactory>

namespace murvane {
namespace {

// Tried in order; the first installed one becomes the default face.
const char* const kPreferredFamilies[] = {"WenQuanYi Micro Hei", "Noto Sans CJK SC",
                                          "Droid Sans Fallback"};
constexpr int kDefaultFontPixels = 12;

QString PreferredFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : kPreferredFamilies) {
        if (installed.contains(QString::fromUtf8(family))) return QString::fromUtf8(family);
    }
    return {};
}

QString Css(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

// A colour between `colour` and white; `whiteShare` from 0 (colour) to 1 (white).
QColor TowardsWhite(const QColor& colour, double whiteShare) {
    auto mix = [whiteShare](int channel) {
        return static_cast<int>(channel + (255 - channel) * whiteShare + 0.5);
    };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

QString Gradient(const QColor& top, const QColor& bottom) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(Css(top), Css(bottom));
}

}  // namespace

QFont DefaultFont() {
    QFont font;
    const QString family = PreferredFamily();
    if (!family.isEmpty()) font.setFamily(family);
    font.setPixelSize(kDefaultFontPixels);
    return font;
}

QFont StartButtonFont() {
    QFont font = DefaultFont();
    font.setBold(true);
    font.setPixelSize(kStartButtonFontPixels);
    return font;
}

void UseDefaultLook() {
    // Fusion draws the same on every desktop, so the colour schemes look as designed.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QApplication::setFont(DefaultFont());
}

QString ThemeStyleSheet(const ColourScheme& scheme) {
    const QColor frame = ToQColor(scheme.frame);
    const QString face = Gradient(Qt::white, TowardsWhite(frame, 0.75));
    const QString hot = Gradient(TowardsWhite(frame, 0.9), TowardsWhite(frame, 0.55));
    const QString pressed = Gradient(TowardsWhite(frame, 0.5), TowardsWhite(frame, 0.8));
    return QStringLiteral(
               "QPushButton { border: 1px solid %1; border-radius: 3px; background: %2;"
               " padding: 0px 4px; }"
               "QPushButton:hover { background: %3; }"
               "QPushButton:pressed { background: %4; }"
               "QPushButton:focus { background: %3; }"
               "QMessageBox QPushButton, QDialog QPushButton { min-width: 64px; min-height: 20px; }"
               "QLineEdit { border: 1px solid %1; padding: 0px 1px; }"
               "QGroupBox { border: 1px solid %1; border-radius: 3px; margin-top: 0px; }"
               "QAbstractItemView { border: 1px solid %1; gridline-color: %5;"
               " selection-background-color: #3169c6; selection-color: white; }"
               "QHeaderView::section { background: %2; border: none;"
               " border-right: 1px solid %1; border-bottom: 1px solid %1; padding-left: 3px; }"
               "QCheckBox { spacing: 3px; }"
               "QCheckBox::indicator, QAbstractItemView::indicator { width: 11px; height: 11px;"
               " border: 1px solid %1; background: white; }"
               "QCheckBox::indicator:hover { background: %5; }"
               "QCheckBox::indicator:checked, QAbstractItemView::indicator:checked"
               " { image: url(:/murvane/tick.xpm); }")
        .arg(Css(frame), face, hot, pressed, Css(TowardsWhite(frame, 0.6)));
}

bool ApplyColourScheme(int number) {
    for (const ColourScheme& scheme : ColourSchemes()) {
        if (scheme.number != number) continue;
        qApp->setStyleSheet(ThemeStyleSheet(scheme));
        return true;
    }
    return false;
}

}  // namespace murvane
