// Registration of the main window's pane commands, one function per
// subsystem, each in its own file of app/.
#pragma once

#include <map>
#include <string>

#include "app/main_state.h"

namespace hm {

using PaneCommandTable = std::map<std::string, PaneCommand>;

void RegisterShellCommands(PaneCommandTable& table);  // commands_shell.cpp
void RegisterBaziCommands(PaneCommandTable& table);   // commands_bazi.cpp

inline void RegisterAllPaneCommands(PaneCommandTable& table) {
  RegisterShellCommands(table);
  RegisterBaziCommands(table);
}

}  // namespace hm
