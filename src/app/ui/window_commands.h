// Commands of the main window that open windows, by caption. Each subsystem
// registers its windows in its own file of app/ui.
#pragma once

#include <QString>
#include <functional>
#include <map>

class QWidget;

namespace hm {

class MainState;
using WindowCommand = std::function<void(QWidget* parent, MainState& state)>;
using WindowCommandTable = std::map<QString, WindowCommand>;

void RegisterShellWindows(WindowCommandTable& table);     // windows_shell.cpp
void RegisterCalendarWindows(WindowCommandTable& table);  // windows_calendar.cpp

inline void RegisterAllWindowCommands(WindowCommandTable& table) {
  RegisterShellWindows(table);
  RegisterCalendarWindows(table);
}

WindowCommandTable& WindowCommands();

}  // namespace hm
