#pragma once

#include <array>
#include <string_view>

namespace taggen {

// The six tag pages, in tab order. Each has exactly one output box, which
// receives every text generated on that page and nothing from other pages.
enum class TagPage { Home, List, Content, Shop, OtherCommon, VisualEditing };

struct TagPageInfo {
    TagPage page;
    std::string_view caption;
    std::string_view output_box;
};

namespace output_box {
inline constexpr std::string_view kHome = "首页结果输出";
inline constexpr std::string_view kList = "列表页面结果输出";
inline constexpr std::string_view kContent = "内容页面结果输出";
inline constexpr std::string_view kShop = "商城标签结果输出";
inline constexpr std::string_view kOtherCommon = "其他标签输出";
inline constexpr std::string_view kVisualEditing = "可视标签输出";
}  // namespace output_box

inline constexpr std::array<TagPageInfo, 6> kTagPages{{
    {TagPage::Home, "首页标签", output_box::kHome},
    {TagPage::List, "列表标签", output_box::kList},
    {TagPage::Content, "内容标签", output_box::kContent},
    {TagPage::Shop, "商城标签", output_box::kShop},
    {TagPage::OtherCommon, "其他常用标签", output_box::kOtherCommon},
    {TagPage::VisualEditing, "可视编辑标签", output_box::kVisualEditing},
}};

constexpr const TagPageInfo& tag_page(TagPage page) {
    return kTagPages[static_cast<std::size_t>(page)];
}

}  // namespace taggen
