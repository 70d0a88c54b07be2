#pragma once

#include "form_state.h"

namespace taggen {

// Builds "{zavo:arclist ...}" from the home page's content-area inputs and
// writes it while a style radio is checked; copies the box either way.
void run_article_list_composer(Desk desk);

// Publishes the date-format field expression picked in 时间样式; for
// "时间无显示" or no selection it copies the box unchanged.
void run_time_format_picker(Desk desk);

}  // namespace taggen
