#include "attribute.h"

#include "publish.h"

namespace taggen {

AttributeText read_attribute(const FormState& form, const BoxAttribute& attribute) {
    Text value = form.read_text(attribute.box);
    if (is_empty_text(value)) return {};
    return {attribute.opening, std::move(value), "'"};
}

void run_picker(Desk desk, std::string_view list, std::span<const std::string_view> texts,
                std::string_view output_box) {
    const std::string_view text = text_at(texts, desk.form.read_selected_index(list));
    if (is_empty_text(text))
        copy_box_to_clipboard(desk, output_box);
    else
        publish(desk, output_box, text);
}

}  // namespace taggen
