#pragma once

#include "form_state.h"

namespace taggen {

// Builds "{zavo:list ...}" from the list page's three boxes and publishes it.
void run_list_page_composer(Desk desk);

}  // namespace taggen
