#include "ui/qt/edit_box.h"

#include <QMouseEvent>

namespace murvane {

void EditBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && onDoubleClicked) onDoubleClicked();
}

}  // namespace murvane
