#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>

#include "taglib/form_state.h"

namespace taggen::window {

// The form state over the window's real widgets, found by control name.
class WidgetForm final : public FormState {
public:
    void add(std::string_view name, QWidget* widget);
    QWidget* widget(std::string_view name) const;

    Text read_text(std::string_view control) const override;
    int read_selected_index(std::string_view control) const override;
    bool read_checked(std::string_view control) const override;
    void write_text(std::string_view control, std::string_view text) override;

private:
    std::map<std::string, QWidget*, std::less<>> widgets_;
};

}  // namespace taggen::window
