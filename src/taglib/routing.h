#pragma once

#include <span>
#include <string_view>

#include "form_state.h"

namespace taggen {

// The control events that reach the tag library.
enum class ControlEvent {
    Clicked,         // a radio button, also one that is already checked
    ContentChanged,  // every change of an input box's text
    ItemSelected,    // every pick in a drop-down list, also of the selected item
};

using Handler = void (*)(Desk);

struct Route {
    std::string_view control;
    ControlEvent event;
    Handler handler;
};

// Composer and picker routes; snippet radios are routed through the catalogue.
std::span<const Route> composer_routes();

// Runs the handler for this control's event, if there is one, and says whether
// one ran. The window calls this for every event it forwards.
bool handle_event(Desk desk, std::string_view control, ControlEvent event);

// Whether handle_event would run a handler; lets the window connect only what is routed.
bool is_routed(std::string_view control, ControlEvent event);

}  // namespace taggen
