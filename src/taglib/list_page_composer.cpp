#include "list_page_composer.h"

#include "attribute.h"
#include "publish.h"
#include "tag_pages.h"

namespace taggen {
namespace {

constexpr std::string_view kHead = "{zavo:list";
constexpr std::string_view kTail =
    "}\r\n<a href='{$field.arcurl}'>{$field.title}</a>\r\n"
    "<span>{$field.seo_description}...</span>\r\n{/zavo:list}";

constexpr BoxAttribute kTitleLength{"列标题字数", " titlelen='"};
constexpr BoxAttribute kDescriptionLength{"列描述字数", " infolen='"};
constexpr BoxAttribute kPageSize{"列分页大小", " pagesize='"};

}  // namespace

void run_list_page_composer(Desk desk) {
    const AttributeText title = read_attribute(desk.form, kTitleLength);
    const AttributeText description = read_attribute(desk.form, kDescriptionLength);
    const AttributeText page_size = read_attribute(desk.form, kPageSize);

    publish(
        desk, output_box::kList,
        join_texts({kHead, title.opening, title.value, title.closing, description.opening, description.value,
                    description.closing, page_size.opening, page_size.value, page_size.closing, kTail}));
}

}  // namespace taggen
