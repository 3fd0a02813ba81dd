// Helpers shared by the window tests: an event recorder standing in for the app's bindings,
// lookup of controls by their names, colours read off the drawn window, modal dialogs answered.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/form.h"

namespace murvane::testing {

inline const QColor kWindowColour(223, 233, 247);
inline const QColor kOliveFrame(164, 185, 127);

inline QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct RecordedEvent {
    Control control;
    FormEvent event;
    int column;
};

class EventRecorder : public FormEvents {
  public:
    void OnEvent(Control control, FormEvent event, int column) override {
        events.push_back({control, event, column});
        if (onEvent) onEvent(control, event, column);
    }
    void OnClosing() override { ++closings; }

    int Count(Control control, FormEvent event) const {
        int count = 0;
        for (const RecordedEvent& recorded : events) {
            if (recorded.control == control && recorded.event == event) ++count;
        }
        return count;
    }

    std::vector<RecordedEvent> events;
    int closings = 0;
    std::function<void(Control, FormEvent, int)> onEvent;  // runs after the event is recorded
};

inline QWidget* FindControl(const QWidget& window, const char* name) {
    if (window.objectName() == QString::fromUtf8(name)) return const_cast<QWidget*>(&window);
    return window.findChild<QWidget*>(QString::fromUtf8(name));
}

inline QTableView* ListView(const QWidget& window, const char* name) {
    return qobject_cast<QTableView*>(FindControl(window, name));
}

// The colour the widget shows at `point`, as drawn with the application's style.
inline QColor PixelAt(QWidget& widget, QPoint point) {
    return widget.grab().toImage().pixelColor(point * widget.devicePixelRatio());
}

// Runs `answer` on the modal dialog of type T as soon as it is open.
template <typename T>
void WhenModalOpens(std::function<void(T&)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start();
}

}  // namespace murvane::testing
