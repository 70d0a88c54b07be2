#pragma once

#include <array>
#include <string_view>

#include "page_layouts.h"
#include "taglib/site.h"

namespace taggen::layout {

inline constexpr std::string_view kWindowTitle = "泽沃CMS标签生成器 v3.1.20200624";

// The outer frame is fixed at 630 x 570; with a standard frame that leaves this client area.
inline constexpr int kOuterWidth = 630;
inline constexpr int kOuterHeight = 570;
inline constexpr int kClientWidth = 624;
inline constexpr int kClientHeight = 541;

// The tab control sticks out of the client area; its lower edge lies behind the status bar.
inline constexpr Rect kTabControl{-4, 26, 632, 547};
inline constexpr std::string_view kTabControlName = "tab";

inline constexpr std::string_view kStatusBarName = "说明";
inline constexpr Rect kStatusBar{0, 521, 624, 20};

struct StatusPart {
    int width;
    std::string_view text;
};

// Laid out left to right; the second part runs past the window's right edge.
inline constexpr std::array<StatusPart, 2> kStatusParts{{
    {450, "使用说明:选择相应标签即可自动生成和复制到剪辑版,你只需要粘贴使用即可。"},
    {500, "泽沃CMS官方出品  " TAGGEN_SITE_HOST},
}};

// The control that has the keyboard focus when the window opens.
inline constexpr std::string_view kInitialFocus = "首页结果输出";

// A drop-down list and its opened list take this height together; longer lists scroll.
inline constexpr int kDropDownWithListHeight = 160;

// A wrapping label draws one line every this many pixels, whatever the font's own
// line spacing: the question list stands level with its buttons, two lines a question.
inline constexpr int kWrappedLabelLinePitch = 12;

}  // namespace taggen::layout
