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
QString ColourSheet(const char* selector, const ControlSpec& spec) {
    QString rule;
    if (spec.textColour) rule += QStringLiteral("color: %1; ").arg(CssColour(*spec.textColour));
    if (spec.background) {
        rule += QStringLiteral("background-color: %1; ").arg(CssColour(*spec.background));
    }
    if (rule.isEmpty()) return {};
    return QStringLiteral("%1 { %2}").arg(QString::fromUtf8(selector), rule);
}

QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(spec.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setStyleSheet(ColourSheet("QLabel", spec));
    return label;
}

QWidget* MakeEditBox(const ControlSpec& spec, QWidget* parent) {
    auto* edit = new EditBox(QString::fromUtf8(spec.caption), parent);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setStyleSheet(ColourSheet("QLineEdit", spec));
    return edit;
}

QWidget* MakePushButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(spec.caption), parent);
    button->setAutoDefault(false);
    if (spec.id == Control::按钮2) button->setFont(StartButtonFont());
    return button;
}

QWidget* MakeGroupBox(const ControlSpec& spec, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8(spec.caption), parent);
    group->setStyleSheet(ColourSheet("QGroupBox", spec));
    return group;
}

QWidget* MakeCheckBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(spec.caption), parent);
    box->setChecked(spec.ticked);
    box->setStyleSheet(ColourSheet("QCheckBox", spec));
    return box;
}

QWidget* MakeReportList(const ControlSpec& spec, QWidget* parent) {
    auto* list = new ReportListView(spec.id, parent);
    list->setStyleSheet(ColourSheet("QTableView", spec));
    return list;
}

QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case ControlKind::Label:
            return MakeLabel(spec, parent);
        case ControlKind::EditBox:
            return MakeEditBox(spec, parent);
        case ControlKind::PushButton:
            return MakePushButton(spec, parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(spec, parent);
        case ControlKind::CheckBox:
            return MakeCheckBox(spec, parent);
        case ControlKind::ReportList:
            return MakeReportList(spec, parent);
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
        for (const ControlSpec& spec : ControlTable()) {
            if (spec.parent.has_value() != inGroup) continue;
            QWidget* parent = inGroup ? made.byId.at(*spec.parent) : &window;
            QWidget* widget = MakeWidget(spec, parent);
            widget->setObjectName(QString::fromUtf8(spec.name));
            widget->setGeometry(spec.left, spec.top, spec.width, spec.height);
            made.byId[spec.id] = widget;
        }
    }
    made.mainList = static_cast<ReportListView*>(made.byId.at(Control::超级列表框_主));
    made.detailList = static_cast<ReportListView*>(made.byId.at(Control::超级列表框_辅));
    made.statusBar = static_cast<StatusBar*>(made.byId.at(Control::状态条1));
    return made;
}

}  // namespace murvane
