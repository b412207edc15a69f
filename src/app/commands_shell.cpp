// Commands of the application shell that act on the pane and the entry.
#include "app/commands.h"

namespace hm {

void RegisterShellCommands(PaneCommandTable& table) {
  // 新建测算: an empty pane and empty name fields; the record keeps its values.
  table["新建测算"] = [](MainState& s) {
    s.pane.Clear();
    s.fields.NameA.clear();
    s.fields.NameB.clear();
  };
}

}  // namespace hm
