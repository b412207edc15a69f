// Windows of the calendar subsystem opened from the main window.
#include "app/ui/window_commands.h"

namespace hm {

void RegisterCalendarWindows(WindowCommandTable&) {}

}  // namespace hm
