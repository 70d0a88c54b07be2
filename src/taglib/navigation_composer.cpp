#include "navigation_composer.h"

#include "attribute.h"
#include "publish.h"
#include "shared_texts.h"
#include "tag_pages.h"

namespace taggen {
namespace {

constexpr std::string_view kHead = "{zavo:channel";
constexpr std::string_view kTail =
    " currentstyle='on'}\r\n"
    "<a href=\"{$field.typeurl}\" class=\"{$field.currentstyle}\">{$field.typename}</a>\r\n"
    "{/zavo:channel}";

constexpr BoxAttribute kColumnId{"栏目id内容", " typeid='"};
constexpr BoxAttribute kColumnCount{"栏目个数", " row='"};

constexpr std::string_view kColumnKindList = "栏目属性";
constexpr std::string_view kColumnKinds[] = {
    " type='top'", " type='son'", " type='self'", " type='sonself'", " type='first'",
};

constexpr std::string_view kColumnFieldList = "其他字段";
constexpr std::string_view kColumnFields[] = {
    "",  // 下拉选择: a prompt, not a field
    "{$field.englist_name}",
    shared_text::kFieldLitpic,
    "{$field.seo_description}",
};

}  // namespace

void run_navigation_composer(Desk desk) {
    const FormState& form = desk.form;
    const AttributeText column = read_attribute(form, kColumnId);
    const std::string_view kind = text_at(kColumnKinds, form.read_selected_index(kColumnKindList));
    const AttributeText count = read_attribute(form, kColumnCount);

    // The column kind stands before the column ID in the tag.
    publish(desk, output_box::kHome,
            join_texts({kHead, kind, column.opening, column.value, column.closing, count.opening, count.value,
                        count.closing, kTail}));
}

void run_column_field_picker(Desk desk) {
    run_picker(desk, kColumnFieldList, kColumnFields, output_box::kHome);
}

}  // namespace taggen
