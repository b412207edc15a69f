// The `run` verb: drives the main window's state with the entry options and
// prints the pane after the last command.
#include <vector>

#include "app/cli/cli.h"
#include "app/main_state.h"
#include "base/errors.h"

namespace hm {

namespace {

// The entry options set the fields of the input strip as the user would type
// them; options left out keep the strip's defaults.
void fillFields(const CliContext& c, EntryFields& f) {
  f.NameA = c.Option("surname", f.NameA);
  f.NameB = c.Option("given", f.NameB);
  f.Sex = c.Option("sex", f.Sex);
  f.Xuxing = c.Option("blood", f.Xuxing);
  f.ComDate = c.Option("calendar", f.ComDate);
  f.ComDateIndex = f.ComDate == "生日公历" ? 0 : f.ComDate == "生日农历" ? 1 : -1;
  f.SYear = c.Option("year", f.SYear);
  f.SMonth = c.Option("month", f.SMonth);
  f.Sday = c.Option("day", f.Sday);
  f.Shour = c.Option("hour", f.Shour);
}

int runCaptions(CliContext& c) {
  if (c.args.empty()) throw CliUsageError("用法: run CAPTION [CAPTION...]");
  // Every caption is checked before the first one runs, so a mistyped name
  // at the end does not leave half a session behind.
  for (const auto& caption : c.args) {
    if (!FindPaneCommand(caption)) {
      c.err << "未实现的命令: " << caption << "\n";
      return 1;
    }
  }
  MainState s;
  fillFields(c, s.fields);
  s.showMessage = [&c](const std::string& text) { c.err << text << "\n"; };
  for (const auto& caption : c.args) s.Run(caption);
  for (const auto& line : s.pane.Lines()) c.out << line << "\n";
  return 0;
}

}  // namespace

void RegisterRunCli(CliVerbTable& table) {
  table["run"] = {runCaptions, "run CAPTION [CAPTION...] 按主窗口的命令名依次执行, 输出结果窗格"};
}

}  // namespace hm
