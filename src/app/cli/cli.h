// The command-line front end: global options, a table of verbs, and the
// contract for output and exit status shared by every verb.
//
//   hengmu-cli [--data-dir DIR] [--today YYYY-MM-DD] [entry options] VERB [ARGS...]
//
// stdout gets exactly the lines the desktop program would show; a notice is
// "提示：TEXT" on stderr with status 2; a conversion error or an error-box
// failure is its message on stderr with status 1.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace hm {

struct CliContext {
  std::ostream& out;
  std::ostream& err;
  std::vector<std::string> args;               // the verb's own arguments
  std::map<std::string, std::string> options;  // global and entry options, without "--"
  // The option's value or the fallback when it was not given.
  std::string Option(const std::string& name, const std::string& fallback = {}) const {
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
  }
  bool HasOption(const std::string& name) const { return options.count(name) != 0; }
};

// A wrong command line: the message goes to stderr with status 1.
class CliUsageError : public std::runtime_error {
 public:
  explicit CliUsageError(const std::string& m) : std::runtime_error(m) {}
};

using CliVerb = std::function<int(CliContext&)>;
struct CliVerbInfo {
  CliVerb run;
  std::string usage;  // one line for the help text
};
using CliVerbTable = std::map<std::string, CliVerbInfo>;

// One registration function per subsystem, each in its own cli_*.cpp file.
void RegisterBaseCli(CliVerbTable& table);      // cli_base.cpp
void RegisterRunCli(CliVerbTable& table);       // cli_run.cpp
void RegisterCalendarCli(CliVerbTable& table);  // cli_calendar.cpp
void RegisterMonthCli(CliVerbTable& table);     // cli_month.cpp

// Runs the front end on argv (argv[0] is the program path) and returns the
// exit status.
int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

}  // namespace hm
