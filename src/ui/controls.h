// The main window's controls, their places, captions, looks and initial states, as plain data
// that both forms (the Qt window and the headless one) build themselves from.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "text/text.h"

namespace murvane {

enum class Control {
    标签1,
    编辑框1,
    按钮1,
    按钮2,
    标签2,
    分组框1,
    选择框_歌曲名,
    选择框_艺术家,
    选择框_文件名,
    选择框_大小,
    选择框_MD5,
    选择框_MP3,
    选择框_WMA,
    选择框3,
    分组框2,
    选择框_自动删除,
    选择框_自动移动,
    编辑框2,
    按钮_处理一项,
    按钮_处理全部,
    超级列表框_主,
    超级列表框_辅,
    状态条1,
    主窗口,  // the main window itself, for the events and the focus it takes
};

enum class ControlKind { Label, EditBox, PushButton, GroupBox, CheckBox, ReportList, StatusBar };

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWindowColour{223, 233, 247};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kDetailListBackground{216, 243, 254};
inline constexpr Rgb kStatusBarBackground{196, 215, 240};

struct ControlSpec {
    Control id;
    const char* name;  // the control's own name, also its Qt object name
    ControlKind kind;
    std::optional<Control> parent;  // a group box, or none for the window's client area
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    std::optional<Rgb> textColour;  // none: the toolkit's default
    std::optional<Rgb> background;
    bool ticked;  // check boxes only
};

std::span<const ControlSpec> ControlTable();
// The entry of one control of the table (not the window itself).
const ControlSpec& SpecOf(Control id);

struct ColumnSpec {
    const char* header;
    int width;
};
inline constexpr int kListColumns = 4;
const std::array<ColumnSpec, kListColumns>& ColumnsOf(Control list);

struct PaneSpec {
    int width;
    const char* initialText;
    bool spacer;
};
inline constexpr int kPaneCount = 19;
const std::array<PaneSpec, kPaneCount>& StatusPanes();

struct TooltipSpec {
    Control control;
    const char* text;
};
std::span<const TooltipSpec> Tooltips();

// The themed look's colour schemes; scheme 2 (olive green) is the one in use.
struct ColourScheme {
    int number;
    const char* name;
    Rgb frame;
};
std::span<const ColourScheme> ColourSchemes();
inline constexpr int kSchemeInUse = 2;

// The window's outer size; the client area is what is left inside a 3-pixel frame and a
// 25-pixel caption, which is where the control places below come from (the lists end at 552 and
// the status bar below them is 20 high).
inline constexpr int kWindowWidth = 985;
inline constexpr int kWindowHeight = 600;
inline constexpr int kFrameWidth = 3;
inline constexpr int kCaptionHeight = 25;
inline constexpr int kClientWidth = kWindowWidth - 2 * kFrameWidth;
inline constexpr int kClientHeight = kWindowHeight - kCaptionHeight - kFrameWidth;
inline constexpr int kStatusBarHeight = 20;
inline constexpr int kStartButtonFontPixels = 21;

Text WindowTitle();

}  // namespace murvane
