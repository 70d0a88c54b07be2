#include "memory_form.h"

#include <initializer_list>

namespace taggen::testing {
namespace {

struct RadioGroup {
    std::string_view group;
    std::initializer_list<std::string_view> radios;
};

// Radios that take part in the tag library's reads or in the home page's groups.
const RadioGroup kRadioGroups[] = {
    {"FZ1",
     {"网站名称", "网站logo", "网站备案号", "友情链接", "网站标题", "站点描述", "默认关键字", "网站版权"}},
    {"FZ2", {"风格1", "风格2", "风格3", "风格4", "风格5", "文章点击数"}},
};

constexpr std::string_view kBoxes[] = {
    "栏目id内容",       "栏目个数",         "栏目id1内容",      "摘要字数",     "标题字数",
    "调用条数",         "列标题字数",       "列描述字数",       "列分页大小",   "首页结果输出",
    "列表页面结果输出", "内容页面结果输出", "商城标签结果输出", "其他标签输出", "可视标签输出",
};

constexpr std::string_view kLists[] = {"栏目属性", "其他字段", "文章属性", "排列方式", "时间样式"};

}  // namespace

MemoryForm::MemoryForm() {
    for (std::string_view box : kBoxes) texts_.emplace(box, "");
    for (std::string_view list : kLists) selections_.emplace(list, 0);
    for (const RadioGroup& group : kRadioGroups)
        for (std::string_view radio : group.radios) {
            radios_.emplace(radio, false);
            radio_groups_.emplace(radio, group.group);
        }
    radios_["风格1"] = true;
}

Text MemoryForm::read_text(std::string_view control) const {
    calls.push_back({Call::ReadText, std::string(control), {}});
    const auto found = texts_.find(control);
    if (found == texts_.end()) {
        unknown_controls.emplace_back(control);
        return {};
    }
    return found->second;
}

int MemoryForm::read_selected_index(std::string_view control) const {
    calls.push_back({Call::ReadIndex, std::string(control), {}});
    const auto found = selections_.find(control);
    if (found == selections_.end()) {
        unknown_controls.emplace_back(control);
        return -1;
    }
    return found->second;
}

bool MemoryForm::read_checked(std::string_view control) const {
    calls.push_back({Call::ReadChecked, std::string(control), {}});
    const auto found = radios_.find(control);
    if (found == radios_.end()) {
        unknown_controls.emplace_back(control);
        return false;
    }
    return found->second;
}

void MemoryForm::write_text(std::string_view control, std::string_view text) {
    calls.push_back({Call::Write, std::string(control), std::string(text)});
    const auto found = texts_.find(control);
    if (found == texts_.end()) {
        unknown_controls.emplace_back(control);
        return;
    }
    found->second = text;
}

void MemoryForm::type(std::string_view box, std::string_view text) {
    const auto found = texts_.find(box);
    if (found == texts_.end())
        unknown_controls.emplace_back(box);
    else
        found->second = text;
}

void MemoryForm::pick(std::string_view list, int index) {
    const auto found = selections_.find(list);
    if (found == selections_.end())
        unknown_controls.emplace_back(list);
    else
        found->second = index;
}

void MemoryForm::check(std::string_view radio) {
    const auto group = radio_groups_.find(radio);
    if (group == radio_groups_.end()) return;  // a snippet radio: its state is never read
    for (auto& [name, state] : radios_)
        if (radio_groups_.at(name) == group->second) state = (name == radio);
}

void MemoryForm::set_checked(std::string_view radio, bool checked) {
    const auto found = radios_.find(radio);
    if (found == radios_.end())
        unknown_controls.emplace_back(radio);
    else
        found->second = checked;
}

int MemoryForm::selection(std::string_view list) const {
    const auto found = selections_.find(list);
    return found == selections_.end() ? -1 : found->second;
}

std::string MemoryForm::text(std::string_view box) const {
    const auto found = texts_.find(box);
    return found == texts_.end() ? std::string() : found->second;
}

bool MemoryForm::checked(std::string_view radio) const {
    const auto found = radios_.find(radio);
    return found != radios_.end() && found->second;
}

bool MemoryClipboard::put_on_clipboard(std::string_view text) {
    ++puts;
    if (log_) log_->push_back({Call::Clip, {}, std::string(text)});
    switch (mode) {
        case Mode::Busy:
            return false;
        case Mode::OutOfMemory:
            content.reset();
            return false;
        case Mode::Works:
            break;
    }
    content = std::string(text);
    return true;
}

}  // namespace taggen::testing
