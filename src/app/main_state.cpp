#include "app/main_state.h"

#include "app/commands.h"
#include "base/errors.h"

namespace hm {

MainState::MainState() = default;
MainState::~MainState() = default;

std::map<std::string, PaneCommand>& PaneCommands() {
  static std::map<std::string, PaneCommand> table = [] {
    std::map<std::string, PaneCommand> t;
    RegisterAllPaneCommands(t);
    return t;
  }();
  return table;
}

const PaneCommand* FindPaneCommand(const std::string& caption) {
  auto& t = PaneCommands();
  auto it = t.find(caption);
  return it == t.end() ? nullptr : &it->second;
}

bool MainState::Run(const std::string& caption) {
  const PaneCommand* cmd = FindPaneCommand(caption);
  if (!cmd) return false;
  try {
    (*cmd)(*this);
  } catch (const SilentAbort&) {
    // The report ends here; its lines stay.
  } catch (const StoreError&) {
    // A failing lookup abandons the command silently.
  }
  return true;
}

}  // namespace hm
