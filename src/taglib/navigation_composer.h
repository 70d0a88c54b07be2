#pragma once

#include "form_state.h"

namespace taggen {

// Builds "{zavo:channel ...}" from the navigation group's inputs and publishes it.
void run_navigation_composer(Desk desk);

// Publishes the column field picked in 其他字段; for the prompt item or no
// selection it copies the box unchanged.
void run_column_field_picker(Desk desk);

}  // namespace taggen
