#include "app/cli/cli.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <set>

#include "base/content.h"
#include "base/dates.h"
#include "base/errors.h"

namespace hm {

namespace {

const std::set<std::string>& valueOptions() {
  static const std::set<std::string> names = {"data-dir", "today", "surname", "given", "sex", "blood",
                                              "calendar", "year",  "month",   "day",   "hour"};
  return names;
}

std::string executableDir() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string p(buf, static_cast<std::size_t>(n));
  auto slash = p.rfind('/');
  return slash == std::string::npos ? "." : p.substr(0, slash);
}

CliVerbTable& verbs() {
  static CliVerbTable t = [] {
    CliVerbTable table;
    RegisterBaseCli(table);
    RegisterRunCli(table);
    RegisterCalendarCli(table);
    RegisterMonthCli(table);
    return table;
  }();
  return t;
}

void printUsage(std::ostream& os) {
  os << "用法: hengmu-cli [--data-dir DIR] [--today YYYY-MM-DD] [登记选项] 命令 [参数...]\n";
  os << "登记选项: --surname 姓 --given 名 --sex 男|女 --blood A型 --calendar 生日公历|生日农历\n"
        "          --year 1980 --month 1 --day 1 --hour \"子 0\"\n";
  os << "命令:\n";
  for (const auto& [name, info] : verbs()) os << "  " << info.usage << "\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  CliContext ctx{out, err, {}, {}};
  std::size_t i = 1;
  try {
    for (; i < argv.size(); ++i) {
      const std::string& a = argv[i];
      if (a == "--help" || a == "-h") {
        printUsage(out);
        return 0;
      }
      if (a.rfind("--", 0) != 0) break;
      std::string name = a.substr(2);
      std::string value;
      auto eq = name.find('=');
      if (eq != std::string::npos) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
      } else {
        if (i + 1 >= argv.size()) throw CliUsageError("选项 --" + name + " 缺少取值");
        value = argv[++i];
      }
      if (!valueOptions().count(name)) throw CliUsageError("未知选项: --" + name);
      ctx.options[name] = value;
    }
    if (i >= argv.size()) {
      printUsage(err);
      return 1;
    }
    std::string verb = argv[i];
    ctx.args.assign(argv.begin() + static_cast<long>(i) + 1, argv.end());

    std::string dir = ctx.Option("data-dir", executableDir());
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) throw CliUsageError("数据目录不存在: " + dir);
    SetContentDir(dir);

    if (ctx.HasOption("today")) {
      auto d = TryParseDate(ctx.Option("today"));
      if (!d) throw CliUsageError("--today 需要 YYYY-MM-DD 形式的日期: " + ctx.Option("today"));
      PinClock(DateTime{*d, 0, 0, 0, 0});
    }

    auto it = verbs().find(verb);
    if (it == verbs().end()) throw CliUsageError("未知命令: " + verb);
    return it->second.run(ctx);
  } catch (const Notice& n) {
    err << "提示：" << n.what() << "\n";
    return 2;
  } catch (const ConversionError& e) {
    err << e.what() << "\n";
    return 1;
  } catch (const StoreError& e) {
    err << e.what() << "\n";
    return 1;
  } catch (const CliUsageError& e) {
    err << e.what() << "\n";
    return 1;
  }
}

}  // namespace hm
