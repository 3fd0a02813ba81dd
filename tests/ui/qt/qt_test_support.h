// Helpers shared by the window tests: an event recorder standing in for the app's bindings,
// lookup of controls by their names, and reading colours off the drawn window.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/form.h"

namespace murvane::testing {

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

// The colour the widget shows at `point`, as drawn with the application's style.
inline QColor PixelAt(QWidget& widget, QPoint point) {
    return widget.grab().toImage().pixelColor(point * widget.devicePixelRatio());
}

}  // namespace murvane::testing
