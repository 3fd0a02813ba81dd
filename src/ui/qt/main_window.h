// The main window: fixed size, minimise and close buttons but no maximise button, closed by Esc
// from wherever the focus is inside it. Closing only hides it; the controls live on until the
// form is destroyed, so a reaction still on the stack never meets a destroyed widget.
#pragma once

#include <QWidget>
#include <functional>

namespace murvane {

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    MainWindow();

    // The fixed size of the area inside the frame and the caption.
    void SetClientSize(int width, int height);

    std::function<void()> onClosing;  // the user closes the window (close button or Esc)

  protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace murvane
