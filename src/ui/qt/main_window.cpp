#include "ui/qt/main_window.h"

#include <QCloseEvent>
#include <QShortcut>

#include "ui/controls.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/theme.h"

namespace murvane {

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("主窗口"));
    setWindowTitle(ToQString(WindowTitle()));
    SetClientSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(kWindowColour));
    setPalette(colours);
    // The window never takes the focus by itself; FocusMainWindow gives it on purpose.
    setFocusPolicy(Qt::NoFocus);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (onClosing) onClosing();
    event->accept();
}

}  // namespace murvane
