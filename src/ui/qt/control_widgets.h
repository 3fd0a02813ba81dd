// Makes the widget of every control of the control table: kind, name (also its object name),
// group box, place, size, caption, colours, font and initial tick.
#pragma once

#include <QWidget>
#include <map>

#include "ui/controls.h"
#include "ui/qt/report_list_view.h"
#include "ui/qt/status_bar.h"

namespace murvane {

struct ControlWidgets {
    std::map<Control, QWidget*> byId;
    ReportListView* mainList = nullptr;
    ReportListView* detailList = nullptr;
    StatusBar* statusBar = nullptr;
};

ControlWidgets MakeControlWidgets(QWidget& window);

}  // namespace murvane
