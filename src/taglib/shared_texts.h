#pragma once

#include <string_view>

// Texts that more than one control publishes, kept once.
namespace taggen::shared_text {

inline constexpr std::string_view kColumnContent = "{$zavo.field.content}";
inline constexpr std::string_view kSeoTitle = "<title>{$zavo.field.seo_title}</title>";
inline constexpr std::string_view kSeoKeywords =
    "<meta name=\"keywords\" content=\"{$zavo.field.seo_keywords}\" />";
inline constexpr std::string_view kSeoDescription =
    "<meta name=\"description\" content=\"{$zavo.field.seo_description}\" />";
inline constexpr std::string_view kFieldLitpic = "{$field.litpic}";

}  // namespace taggen::shared_text
