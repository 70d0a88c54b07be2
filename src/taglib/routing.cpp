#include "routing.h"

#include <algorithm>

#include "article_list_composer.h"
#include "list_page_composer.h"
#include "navigation_composer.h"
#include "snippet_catalogue.h"

namespace taggen {
namespace {

using enum ControlEvent;

constexpr Route kRoutes[] = {
    {"风格1", Clicked, run_article_list_composer},
    {"风格2", Clicked, run_article_list_composer},
    {"风格3", Clicked, run_article_list_composer},
    {"风格4", Clicked, run_article_list_composer},
    {"风格5", Clicked, run_article_list_composer},
    {"栏目id1内容", ContentChanged, run_article_list_composer},
    {"摘要字数", ContentChanged, run_article_list_composer},
    {"标题字数", ContentChanged, run_article_list_composer},
    {"调用条数", ContentChanged, run_article_list_composer},
    {"文章属性", ItemSelected, run_article_list_composer},
    {"排列方式", ItemSelected, run_article_list_composer},
    {"时间样式", ItemSelected, run_time_format_picker},
    {"栏目id内容", ContentChanged, run_navigation_composer},
    {"栏目个数", ContentChanged, run_navigation_composer},
    {"栏目属性", ItemSelected, run_navigation_composer},
    {"其他字段", ItemSelected, run_column_field_picker},
    {"列标题字数", ContentChanged, run_list_page_composer},
    {"列描述字数", ContentChanged, run_list_page_composer},
    {"列分页大小", ContentChanged, run_list_page_composer},
};

const Route* find_route(std::string_view control, ControlEvent event) {
    const auto found = std::ranges::find_if(
        kRoutes, [&](const Route& route) { return route.event == event && route.control == control; });
    return found == std::end(kRoutes) ? nullptr : found;
}

}  // namespace

std::span<const Route> composer_routes() {
    return kRoutes;
}

bool is_routed(std::string_view control, ControlEvent event) {
    if (find_route(control, event)) return true;
    return event == Clicked && find_snippet_row(control);
}

bool handle_event(Desk desk, std::string_view control, ControlEvent event) {
    if (const Route* route = find_route(control, event)) {
        route->handler(desk);
        return true;
    }
    if (event == Clicked) {
        if (const SnippetRow* row = find_snippet_row(control)) {
            publish_snippet(desk, *row);
            return true;
        }
    }
    return false;
}

}  // namespace taggen
