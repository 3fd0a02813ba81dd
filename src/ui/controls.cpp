#include "ui/controls.h"

#include <algorithm>

namespace murvane {
namespace {

using enum Control;
using K = ControlKind;
constexpr std::optional<Control> kInWindow{};
constexpr std::optional<Rgb> kDefault{};

// clang-format off
constexpr ControlSpec kControls[] = {
    {标签1,            "标签1",            K::Label,      kInWindow, 3,   -1, 48,  24,  "搜索目录",     kBlack, kWindowColour, false},
    {编辑框1,          "编辑框1",          K::EditBox,    kInWindow, 54,  0,  432, 24,  "",             kBlack, kWhite,        false},
    {按钮1,            "按钮1",            K::PushButton, kInWindow, 488, 0,  48,  24,  "选择..",       kDefault, kDefault,    false},
    {按钮2,            "按钮2",            K::PushButton, kInWindow, 548, 0,  48,  48,  "开始",         kDefault, kDefault,    false},
    {标签2,            "标签2",            K::Label,      kInWindow, 2,   29, 40,  16,  "匹配顶",       kRed,   kWindowColour, false},
    {分组框1,          "分组框1",          K::GroupBox,   kInWindow, 42,  20, 310, 28,  "",             kBlack, kWindowColour, false},
    {选择框_歌曲名,    "选择框_歌曲名",    K::CheckBox,   分组框1,   3,   11, 61,  14,  "歌曲名",       kBlack, kWindowColour, true},
    {选择框_艺术家,    "选择框_艺术家",    K::CheckBox,   分组框1,   72,  11, 56,  14,  "艺术家",       kBlack, kWindowColour, false},
    {选择框_文件名,    "选择框_文件名",    K::CheckBox,   分组框1,   137, 11, 56,  14,  "文件名",       kBlack, kWindowColour, false},
    {选择框_大小,      "选择框_大小",      K::CheckBox,   分组框1,   206, 11, 49,  14,  "大小",         kBlack, kWindowColour, false},
    {选择框_MD5,       "选择框_MD5",       K::CheckBox,   分组框1,   266, 11, 41,  14,  "MD5",          kBlack, kWindowColour, false},
    {选择框_MP3,       "选择框_MP3",       K::CheckBox,   kInWindow, 361, 22, 48,  16,  "MP3",          kRed,   kWindowColour, true},
    {选择框_WMA,       "选择框_WMA",       K::CheckBox,   kInWindow, 361, 34, 48,  16,  "WMA",          kBlue,  kWindowColour, false},
    {选择框3,          "选择框3",          K::CheckBox,   kInWindow, 475, 32, 69,  16,  "自动选取",     kBlack, kWindowColour, true},
    {分组框2,          "分组框2",          K::GroupBox,   kInWindow, 602, -5, 375, 55,  "",             kBlack, kWindowColour, false},
    {选择框_自动删除,  "选择框_自动删除",  K::CheckBox,   分组框2,   3,   11, 94,  14,  "删除重复文件", kRed,   kWindowColour, true},
    {选择框_自动移动,  "选择框_自动移动",  K::CheckBox,   分组框2,   112, 11, 46,  14,  "移到",         kBlack, kWindowColour, false},
    {编辑框2,          "编辑框2",          K::EditBox,    分组框2,   159, 11, 207, 14,  " 双击修改目录", kRed,  kWhite,        false},
    {按钮_处理一项,    "按钮_处理一项",    K::PushButton, 分组框2,   5,   30, 49,  22,  "处理",         kDefault, kDefault,    false},
    {按钮_处理全部,    "按钮_处理全部",    K::PushButton, 分组框2,   278, 30, 90,  22,  "自动处理全部", kDefault, kDefault,    false},
    {超级列表框_主,    "超级列表框_主",    K::ReportList, kInWindow, 0,   49, 464, 503, "",             kBlack, kWhite,        false},
    {超级列表框_辅,    "超级列表框_辅",    K::ReportList, kInWindow, 464, 49, 512, 503, "",             kRed,   kDetailListBackground, false},
    {状态条1,          "状态条1",          K::StatusBar,  kInWindow, 0,   kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight, "", kDefault, kStatusBarBackground, false},
};

constexpr std::array<ColumnSpec, kListColumns> kMainColumns{{
    {"全选/序号", 70}, {"           歌  曲  名", 200}, {"  艺  术  家", 100}, {"  重复数", 70}}};
constexpr std::array<ColumnSpec, kListColumns> kDetailColumns{{
    {"全选/序号", 70}, {" 歌  曲  名", 150}, {" 艺术家", 100}, {"路径", 800}}};

constexpr int kSpacerWidth = 5;
constexpr std::array<PaneSpec, kPaneCount> kPanes{{
    {30, "任务", false},     {kSpacerWidth, "", true},
    {470, "", false},        {kSpacerWidth, "", true},
    {60, "音乐数量", false}, {kSpacerWidth, "", true},
    {70, "", false},         {kSpacerWidth, "", true},
    {30, "重复", false},     {kSpacerWidth, "", true},
    {70, "", false},         {kSpacerWidth, "", true},
    {30, "处理", false},     {kSpacerWidth, "", true},
    {60, "", false},         {kSpacerWidth, "", true},
    {30, "失败", false},     {kSpacerWidth, "", true},
    {70, "", false},
}};

constexpr TooltipSpec kTooltips[] = {
    {按钮1,         "选择要搜索的目录"},
    {按钮_处理一项, "处理右边列表框选择的项"},
    {按钮_处理全部, "自动处理左边列表框选择的项，并保留重复文件的第一项不处理"},
    {选择框_歌曲名, "选中将匹配文件中的歌曲名信息，"},
    {选择框_艺术家, "选中将匹配文件中的艺术家信息"},
    {选择框_文件名, "选中将匹配文件名"},
    {选择框_MP3,    "选中将搜索MP3音乐文件"},
    {选择框_WMA,    "选中将搜索WMA音乐文件"},
    {选择框3,       "单击左边列表框中项目时，自行选择右边列表框中的重复项"},
};

constexpr ColourScheme kSchemes[] = {
    {1, "blue", {127, 157, 185}},
    {2, "olive green", {164, 185, 127}},
    {3, "silver", {165, 172, 178}},
};
// clang-format on

// The contact group number at the end of the title.
constexpr const char* kContactNumber = "20261211";

}  // namespace

std::span<const ControlSpec> ControlTable() {
    return kControls;
}

const ControlSpec& SpecOf(Control id) {
    const auto* found = std::find_if(std::begin(kControls), std::end(kControls),
                                     [id](const ControlSpec& entry) { return entry.id == id; });
    return found != std::end(kControls) ? *found : kControls[0];
}

const std::array<ColumnSpec, kListColumns>& ColumnsOf(Control list) {
    return list == Control::超级列表框_主 ? kMainColumns : kDetailColumns;
}

const std::array<PaneSpec, kPaneCount>& StatusPanes() {
    return kPanes;
}

std::span<const TooltipSpec> Tooltips() {
    return kTooltips;
}

std::span<const ColourScheme> ColourSchemes() {
    return kSchemes;
}

Text WindowTitle() {
    return Text("Murvane1.0版   内部工具   Ferolin 出品    使用说明：匹配项越多越精确   Q群：") +
           kContactNumber;
}

}  // namespace murvane
