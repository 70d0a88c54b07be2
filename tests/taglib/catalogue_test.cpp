#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "taglib/site.h"
#include "taglib/snippet_catalogue.h"

namespace taggen {
namespace {

std::size_t count(std::string_view text, std::string_view needle) {
    std::size_t n = 0;
    for (auto at = text.find(needle); at != std::string_view::npos;
         at = text.find(needle, at + needle.size()))
        ++n;
    return n;
}

std::string_view text_of(std::string_view control) {
    const SnippetRow* row = find_snippet_row(control);
    return row ? row->text : std::string_view("<missing row>");
}

bool valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// The text in code page 936, or nullopt when a character has no form there
// (a Windows build carries its texts in that code page).
std::optional<std::string> in_code_page_936(std::string_view text) {
    iconv_t cd = iconv_open("CP936", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in(text);
    std::string out(in.size() * 2 + 4, '\0');
    char* in_ptr = in.data();
    char* out_ptr = out.data();
    std::size_t in_left = in.size();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
    out.resize(out.size() - out_left);
    return out;
}

TEST(SnippetCatalogue, RowsPerPageAndEachPublishesIntoItsOwnPageBox) {
    std::map<TagPage, int> rows_per_page;
    std::set<std::string_view> controls;
    for (const SnippetRow& row : snippet_rows()) {
        ++rows_per_page[row.page];
        EXPECT_TRUE(controls.insert(row.control).second) << row.control << " twice";
        EXPECT_EQ(row.output_box(), tag_page(row.page).output_box);
        EXPECT_EQ(find_snippet_row(row.control), &row);
        EXPECT_FALSE(row.caption.empty());
        EXPECT_FALSE(row.text.empty());
    }
    EXPECT_EQ(snippet_rows().size(), 65u);
    EXPECT_EQ(rows_per_page[TagPage::Home], 9);
    EXPECT_EQ(rows_per_page[TagPage::List], 13);
    EXPECT_EQ(rows_per_page[TagPage::Content], 18);
    EXPECT_EQ(rows_per_page[TagPage::Shop], 6);
    EXPECT_EQ(rows_per_page[TagPage::OtherCommon], 11);
    EXPECT_EQ(rows_per_page[TagPage::VisualEditing], 8);
    EXPECT_EQ(find_snippet_row("单选框9"), nullptr);
    EXPECT_EQ(find_snippet_row("风格1"), nullptr);
}

TEST(SnippetCatalogue, EveryTextIsCleanUtf8WithCrLfOnlyAndFitsCodePage936) {
    std::size_t longest = 0;
    for (const SnippetRow& row : snippet_rows()) {
        SCOPED_TRACE(std::string(row.control));
        for (std::string_view text : {row.text, row.caption, row.control, row.group_caption}) {
            EXPECT_TRUE(valid_utf8(text));
            EXPECT_TRUE(in_code_page_936(text).has_value()) << text;
            EXPECT_EQ(text.find('\0'), std::string_view::npos);
        }
        EXPECT_EQ(count(row.text, "\r"), count(row.text, "\r\n"));
        EXPECT_EQ(count(row.text, "\n"), count(row.text, "\r\n"));
        longest = std::max(longest, in_code_page_936(row.text).value_or("").size());
    }
    EXPECT_EQ(longest, 635u);
}

// Facts that a transcription easily loses, counted rather than restated.
struct ByteFacts {
    std::string_view control;
    std::size_t line_breaks;
    bool ends_in_line_break;
    std::size_t lines_ending_in_space;
    std::size_t tabs = 0;
    std::map<std::string_view, std::size_t> characters = {};
};

const ByteFacts kFacts[] = {
    {"网站名称", 0, false, 0},
    {"友情链接", 2, false, 1},
    {"单选框2", 0, false, 0, 0, {{"' '", 1}}},
    {"单选框6", 0, false, 0, 0, {{"###", 2}, {"|gettoptype", 2}}},
    {"单选框7", 2, false, 0},
    {"单选框8", 7, false, 1, 0, {{"：", 3}, {"\"POST\"  {", 1}}},
    {"dx1", 0, false, 0, 0, {{"|MyDate", 1}, {"',###}", 1}}},
    {"dx10", 5, true, 1, 0, {{"：", 1}, {"</a>  \r\n", 1}, {"<span>: ", 1}}},
    {"dx11", 5, true, 1, 0, {{"：", 1}, {"{zavo:else /} \r\n", 1}, {"<span>: ", 1}}},
    {"dx100", 2, false, 0, 0, {{"\r\n   {$attr.name}:{$attr.value}\r\n", 1}}},
    {"dx12", 2, false, 0},
    {"dx16", 3, true, 0},
    {"dx17", 2, false, 0, 0, {{" }\r\n <li>", 1}}},
    {"dx18", 0, false, 0},
    {"dx19", 2, false, 0},
    {"dx20", 3, false, 0},
    {"dx32", 3, true, 0},
    {"dx33", 7, true, 0, 2, {{"\r\n        <input", 1}, {"\r\n <form", 1}, {"\r\n </form>", 1}}},
    {"dx34", 18, true, 2, 12, {{"　", 1}, {"\" >购物车", 1}, {"\r\n        {/zavo:user}", 2}}},
    {"dx24", 16, true, 1, 0, {{"：", 1}, {"\r\n <a href", 1}, {"</div>\r\n\r\n<!--", 1}}},
    {"dx25", 22, true, 7, 0, {{"：", 1}, {" </div> \r\n\r\n\r\n<!--", 1}}},
    {"dx26", 18, true, 2, 0, {{"：", 1}, {"</div>\r\n\r\n<!--", 1}}},
    {"dx27", 18, true, 1, 0, {{"：", 1}, {"{zavo:else /}  ", 1}, {"typeid", 0}}},
    {"dx30", 5, true, 1, 0, {{"\"zavo-edit \"", 1}, {"\"adv\"/>", 1}}},
    {"dx29", 9, true, 0, 0, {{"{zavo:else /}", 1}}},
    {"dx28", 9, true, 0, 0, {{"{zavo:else/}", 1}, {"e-id=\"1\"", 1}, {"e-id='100'", 1}}},
    {"dx31", 0, false, 0},
    {"dx43", 6, false, 6, 0, {{"，", 4}, {"：", 1}}},
    {"dx42", 0, false, 0, 0, {{"￥", 1}, {"</span> </div>", 1}}},
    {"dx41", 10, true, 9, 0, {{"{$field3.SpecData}               class", 1}}},
    {"dx38", 8, true, 8, 0},
    {"dx39", 0, false, 0, 0, {{"：", 1}, {" 件", 1}}},
    {"dx40", 4, true, 3, 0},
};

TEST(SnippetCatalogue, BytesThatAreEasyToLose) {
    for (const ByteFacts& facts : kFacts) {
        SCOPED_TRACE(std::string(facts.control));
        const std::string_view text = text_of(facts.control);
        EXPECT_EQ(count(text, "\r\n"), facts.line_breaks);
        EXPECT_EQ(text.ends_with("\r\n"), facts.ends_in_line_break);
        EXPECT_EQ(count(text, " \r\n"), facts.lines_ending_in_space);
        EXPECT_EQ(count(text, "\t"), facts.tabs);
        for (const auto& [needle, times] : facts.characters) EXPECT_EQ(count(text, needle), times) << needle;
    }
    EXPECT_TRUE(text_of("dx39").ends_with(" "));
    EXPECT_TRUE(text_of("dx43").ends_with("<!--购物车组件end-->"));
    EXPECT_TRUE(text_of("单选框1").ends_with("descriptionx}"));
}

TEST(SnippetCatalogue, SharedTextsAreIdenticalAcrossPages) {
    const std::pair<std::string_view, std::string_view> shared[] = {
        {"单选框10", "dx3"}, {"单选框11", "dx13"}, {"单选框12", "dx14"}, {"单选框13", "dx15"}};
    for (const auto& [list_row, content_row] : shared) EXPECT_EQ(text_of(list_row), text_of(content_row));

    std::set<std::string_view> texts;
    for (const SnippetRow& row : snippet_rows()) texts.insert(row.text);
    EXPECT_EQ(texts.size(), snippet_rows().size() - std::size(shared));
}

TEST(SnippetCatalogue, SiteAddressesUseTheOneHost) {
    const std::string address = std::string("http://") + std::string(kSiteHost);
    const std::pair<std::string_view, std::size_t> uses[] = {{"dx24", 1}, {"dx25", 1}, {"dx26", 1},
                                                             {"dx27", 1}, {"dx28", 1}, {"dx29", 2}};
    std::size_t total = 0;
    for (const auto& [control, times] : uses) EXPECT_EQ(count(text_of(control), address), times) << control;
    for (const SnippetRow& row : snippet_rows()) total += count(row.text, "http");
    EXPECT_EQ(total, 7u);
    EXPECT_EQ(count(text_of("dx29"), address + "\""), 1u);
    EXPECT_EQ(count(text_of("dx29"), address + "'"), 1u);

    const std::pair<std::string_view, std::string_view> help[] = {
        {"dx24", "575"}, {"dx25", "577"}, {"dx26", "576"}, {"dx27", "574"}};
    for (const auto& [control, article] : help)
        EXPECT_EQ(count(text_of(control), "更多说明：" + address + "/doc/label/ui/" + std::string(article) +
                                              ".html\r\n-->\r\n"),
                  1u)
            << control;
}

}  // namespace
}  // namespace taggen
