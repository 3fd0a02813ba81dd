#include "ui/qt/control_widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <limits>

#include "ui/qt/edit_box.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/theme.h"

namespace murvane {
namespace {

QString CssColour(Rgb rgb) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue);
}

// The control's own colours as a style sheet, so that the application's theme sheet, which
// draws the frames, leaves them alone. The selector keeps the rule off the control's children
// (a list's header and scroll bars, a group box's controls).
QString ColourSheet(const char* selector, const ControlSpec& entry) {
    QString rule;
    if (entry.textColour) rule += QStringLiteral("color: %1; ").arg(CssColour(*entry.textColour));
    if (entry.background) {
        rule += QStringLiteral("background-color: %1; ").arg(CssColour(*entry.background));
    }
    if (rule.isEmpty()) return {};
    return QStringLiteral("%1 { %2}").arg(QString::fromUtf8(selector), rule);
}

QWidget* MakeLabel(const ControlSpec& entry, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(entry.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setStyleSheet(ColourSheet("QLabel", entry));
    return label;
}

QWidget* MakeEditBox(const ControlSpec& entry, QWidget* parent) {
    auto* edit = new EditBox(QString::fromUtf8(entry.caption), parent);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setStyleSheet(ColourSheet("QLineEdit", entry));
    return edit;
}

QWidget* MakePushButton(const ControlSpec& entry, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(entry.caption), parent);
    button->setAutoDefault(false);
    if (entry.id == Control::按钮2) button->setFont(StartButtonFont());
    return button;
}

QWidget* MakeGroupBox(const ControlSpec& entry, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8(entry.caption), parent);
    group->setStyleSheet(ColourSheet("QGroupBox", entry));
    return group;
}

QWidget* MakeCheckBox(const ControlSpec& entry, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(entry.caption), parent);
    box->setChecked(entry.ticked);
    box->setStyleSheet(ColourSheet("QCheckBox", entry));
    return box;
}

QWidget* MakeReportList(const ControlSpec& entry, QWidget* parent) {
    auto* list = new ReportListView(entry.id, parent);
    list->setStyleSheet(ColourSheet("QTableView", entry));
    return list;
}

QWidget* MakeWidget(const ControlSpec& entry, QWidget* parent) {
    switch (entry.kind) {
        case ControlKind::Label:
            return MakeLabel(entry, parent);
        case ControlKind::EditBox:
            return MakeEditBox(entry, parent);
        case ControlKind::PushButton:
            return MakePushButton(entry, parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(entry, parent);
        case ControlKind::CheckBox:
            return MakeCheckBox(entry, parent);
        case ControlKind::ReportList:
            return MakeReportList(entry, parent);
        case ControlKind::StatusBar:
            return new StatusBar(parent);
    }
    return nullptr;
}

}  // namespace

ControlWidgets MakeControlWidgets(QWidget& window) {
    ControlWidgets made;
    // Group boxes first, so that the controls inside them find their parent.
    for (bool inGroup : {false, true}) {
        for (const ControlSpec& entry : ControlTable()) {
            if (entry.parent.has_value() != inGroup) continue;
            QWidget* parent = inGroup ? made.byId.at(*entry.parent) : &window;
            QWidget* widget = MakeWidget(entry, parent);
            widget->setObjectName(QString::fromUtf8(entry.name));
            widget->setGeometry(entry.left, entry.top, entry.width, entry.height);
            made.byId[entry.id] = widget;
        }
    }
    made.mainList = static_cast<ReportListView*>(made.byId.at(Control::超级列表框_主));
    made.detailList = static_cast<ReportListView*>(made.byId.at(Control::超级列表框_辅));
    made.statusBar = static_cast<StatusBar*>(made.byId.at(Control::状态条1));
    return made;
}

}  // namespace murvane
