// The `run` verb: drives the main window's state with the entry options and
// prints the pane after the last command.
#include <vector>

#include "app/cli/cli.h"
#include "app/main_state.h"
#include "base/errors.h"

namespace hm {

namespace {

int runCaptions(CliContext& c) {
  if (c.args.empty()) throw CliUsageError("用法: run CAPTION [CAPTION...]");
  MainState s;
  s.fields.NameA = c.Option("surname");
  s.fields.NameB = c.Option("given");
  s.fields.Sex = c.Option("sex", "男");
  s.fields.Xuxing = c.Option("blood", "A型");
  s.fields.ComDate = c.Option("calendar", "生日公历");
  s.fields.ComDateIndex = s.fields.ComDate == "生日公历" ? 0 : s.fields.ComDate == "生日农历" ? 1 : -1;
  s.fields.SYear = c.Option("year", "1980");
  s.fields.SMonth = c.Option("month", "1");
  s.fields.Sday = c.Option("day", "1");
  s.fields.Shour = c.Option("hour", "子 0");
  s.showMessage = [&c](const std::string& text) { c.err << text << "\n"; };
  for (const auto& caption : c.args) {
    if (!FindPaneCommand(caption)) {
      c.err << "未实现的命令: " << caption << "\n";
      return 1;
    }
    s.Run(caption);
  }
  for (const auto& line : s.pane.Lines()) c.out << line << "\n";
  return 0;
}

}  // namespace

void RegisterRunCli(CliVerbTable& table) {
  table["run"] = {runCaptions, "run CAPTION [CAPTION...]  按主窗口的命令名依次执行, 输出结果窗格"};
}

}  // namespace hm
