#include "app/ui/window_commands.h"

namespace hm {

WindowCommandTable& WindowCommands() {
  static WindowCommandTable t = [] {
    WindowCommandTable table;
    RegisterAllWindowCommands(table);
    return table;
  }();
  return t;
}

}  // namespace hm
