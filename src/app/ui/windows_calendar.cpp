// Windows of the calendar subsystem opened from the main window.
#include "app/ui/window_commands.h"
#include "calendar/ui/TFRM_Date.h"
#include "ui/dialogs.h"

namespace hm {

void RegisterCalendarWindows(WindowCommandTable& table) {
  // A fresh calendar for every opening: the one closed before is already gone.
  table[QStringLiteral("万年历法")] = [](QWidget* parent, MainState&) { ui::ShowModal(new TFRM_Date(parent)); };
}

}  // namespace hm
