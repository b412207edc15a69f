// The main window's state without the toolkit: the entry fields as typed,
// the person's record, the result pane and the table of pane commands.
// The desktop window and the CLI's `run` drive this same class.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "base/birth_record.h"
#include "base/pane.h"

namespace hm {

// The input strip's fields, as typed (untrimmed).
struct EntryFields {
  std::string NameA;
  std::string NameB;
  std::string Sex = "男";
  std::string Xuxing = "A型";
  std::string ComDate = "生日公历";
  // Selected item of ComDate: 0 生日公历, 1 生日农历, -1 a typed text.
  int ComDateIndex = 0;
  std::string SYear = "1980";
  std::string SMonth = "1";
  std::string Sday = "1";
  std::string Shour = "子 0";
};

class MainState;
using PaneCommand = std::function<void(MainState&)>;

class MainState {
 public:
  MainState();
  ~MainState();

  EntryFields fields;
  BirthRecord record;
  Pane pane;

  // The plain message dialog (captioned with the application title) for
  // messages that do not stop the command. The window shows a box; the CLI
  // writes the text to stderr.
  std::function<void(const std::string&)> showMessage;
  void ShowMessage(const std::string& text) const {
    if (showMessage) showMessage(text);
  }

  // State that a subsystem keeps with the window (the last chart, ...).
  // Each subsystem defines its own type and keeps it here by name.
  template <class T>
  T& Slot(const std::string& name) {
    auto& p = slots_[name];
    if (!p) p = std::shared_ptr<void>(new T(), [](void* v) { delete static_cast<T*>(v); });
    return *static_cast<T*>(p.get());
  }

  // Runs the pane command with this caption. Throws Notice or
  // ConversionError as the command does; a StoreError or SilentAbort that
  // escapes the command ends it quietly. Returns false if no command has
  // this caption.
  bool Run(const std::string& caption);

 private:
  std::map<std::string, std::shared_ptr<void>> slots_;
};

// The commands that write into the main window's pane, by caption. Several
// captions may name one handler (八字分析 and 八字详批).
std::map<std::string, PaneCommand>& PaneCommands();
const PaneCommand* FindPaneCommand(const std::string& caption);

}  // namespace hm
