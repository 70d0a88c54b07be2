#include "article_list_composer.h"

#include "attribute.h"
#include "publish.h"
#include "tag_pages.h"

namespace taggen {
namespace {

constexpr std::string_view kHead = "{zavo:arclist";

constexpr BoxAttribute kColumnId{"栏目id1内容", " typeid='"};
constexpr BoxAttribute kSummaryLength{"摘要字数", " infolen='"};
constexpr BoxAttribute kTitleLength{"标题字数", " titlelen='"};
constexpr BoxAttribute kArticleCount{"调用条数", " row='"};

constexpr std::string_view kFlagList = "文章属性";
constexpr std::string_view kFlags[] = {
    "",  // 无属性
    " flag='h'", " flag='c'", " flag='a'", " flag='b'", " flag='j'",
};

constexpr std::string_view kOrderingList = "排列方式";
constexpr std::string_view kOrderings[] = {
    " orderby='now'",
    " orderby='click'",
    " orderby='sort_order'",
    " orderby='rand'",
};

struct Style {
    std::string_view radio;
    std::string_view body;  // from the "}" closing the opening tag to the closing tag
};

constexpr Style kStyles[] = {
    {"风格1",
     "}\r\n<li>\r\n<a href='{$field.typeurl}'>{$field.typename}</a>\r\n"
     "<a href='{$field.arcurl}'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}"},
    {"风格2", "}\r\n<li>\r\n<a href='{$field.arcurl}'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}"},
    {"风格3",
     "}\r\n<li>\r\n<a href='{$field.arcurl}'>\r\n<img src='{$field.litpic}' />{$field.title}</a>\r\n"
     "</li>\r\n{/zavo:arclist}"},
    {"风格4",
     "}\r\n<li>\r\n<a href='{$field.arcurl}'>\r\n<img src='{$field.litpic}' alt='{$field.title}'>"
     "{$field.title}</a>\r\n<span>{$field.seo_description}...</span>\r\n</li>\r\n{/zavo:arclist}\r\n"},
    {"风格5",
     "}\r\n<li>\r\n<a href='{$field.arcurl}'>{$field.title}</a>\r\n<p>{$field.seo_description}...</p>\r\n"
     "</li>\r\n{/zavo:arclist}"},
};

constexpr std::string_view kTimeFormatList = "时间样式";
constexpr std::string_view kTimeFormats[] = {
    "",  // 时间无显示
    "{$field.add_time|MyDate='m-d',###}",
    "{$field.add_time|MyDate='Y-m-d',###}",
    "{$field.add_time|MyDate='Y-m-d H:i:s',###}",
    "{$field.add_time|MyDate='m-d H:i:s',###}",
    "{$field.add_time|MyDate='m-d i:s',###}",
    "{$field.add_time|MyDate='Y年m月d日',###}",
    "{$field.add_time|MyDate='Y年m月d日 H:i:s ',###}",
};

}  // namespace

void run_article_list_composer(Desk desk) {
    const FormState& form = desk.form;
    const AttributeText column = read_attribute(form, kColumnId);
    const std::string_view flag = text_at(kFlags, form.read_selected_index(kFlagList));
    const AttributeText summary = read_attribute(form, kSummaryLength);
    const std::string_view ordering = text_at(kOrderings, form.read_selected_index(kOrderingList));
    const AttributeText title = read_attribute(form, kTitleLength);
    const AttributeText count = read_attribute(form, kArticleCount);

    // Every read comes before the write. Only one style radio can be checked; were
    // there more, the last one's tag is what would stay in the box.
    const Style* checked = nullptr;
    for (const Style& style : kStyles)
        if (form.read_checked(style.radio)) checked = &style;

    if (checked) {
        desk.form.write_text(
            output_box::kHome,
            join_texts({kHead, column.opening, column.value, column.closing, flag, summary.opening,
                        summary.value, summary.closing, ordering, title.opening, title.value, title.closing,
                        count.opening, count.value, count.closing, checked->body}));
    }
    copy_box_to_clipboard(desk, output_box::kHome);
}

void run_time_format_picker(Desk desk) {
    run_picker(desk, kTimeFormatList, kTimeFormats, output_box::kHome);
}

}  // namespace taggen
