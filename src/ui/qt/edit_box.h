// A single-line edit box that reports double clicks (the target box opens the folder picker on
// one). Typing is reported by QLineEdit::textEdited; program writes are raised by the form.
#pragma once

#include <QLineEdit>
#include <functional>

namespace murvane {

class EditBox : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

    std::function<void()> onDoubleClicked;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace murvane
