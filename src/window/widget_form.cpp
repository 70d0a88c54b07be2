#include "widget_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "output_box.h"

namespace taggen::window {

void WidgetForm::add(std::string_view name, QWidget* widget) {
    widgets_.emplace(name, widget);
}

QWidget* WidgetForm::widget(std::string_view name) const {
    const auto found = widgets_.find(name);
    return found == widgets_.end() ? nullptr : found->second;
}

Text WidgetForm::read_text(std::string_view control) const {
    QWidget* target = widget(control);
    if (const auto* edit = qobject_cast<const QLineEdit*>(target)) return edit->text().toStdString();
    if (const auto* box = dynamic_cast<const OutputBox*>(target)) return box->crlf_text();
    return {};
}

int WidgetForm::read_selected_index(std::string_view control) const {
    const auto* list = qobject_cast<const QComboBox*>(widget(control));
    return list ? list->currentIndex() : -1;
}

bool WidgetForm::read_checked(std::string_view control) const {
    const auto* radio = qobject_cast<const QRadioButton*>(widget(control));
    return radio && radio->isChecked();
}

void WidgetForm::write_text(std::string_view control, std::string_view text) {
    if (auto* box = dynamic_cast<OutputBox*>(widget(control))) box->set_crlf_text(text);
}

}  // namespace taggen::window
