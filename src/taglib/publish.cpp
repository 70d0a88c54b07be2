#include "publish.h"

namespace taggen {

void publish(Desk desk, std::string_view output_box, std::string_view text) {
    desk.form.write_text(output_box, text);
    copy_box_to_clipboard(desk, output_box);
}

void copy_box_to_clipboard(Desk desk, std::string_view output_box) {
    const Text held = desk.form.read_text(output_box);
    static_cast<void>(desk.clipboard.put_on_clipboard(held));
}

}  // namespace taggen
