// The Four Pillars commands of the main window.
#include "app/commands.h"

namespace hm {

void RegisterBaziCommands(PaneCommandTable&) {}

}  // namespace hm
