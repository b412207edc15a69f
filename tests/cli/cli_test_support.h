// Runs hengmu-cli in-process and keeps what it printed, for the CLI tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "base/content.h"
#include "base/dates.h"

namespace hm::testing {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

// args without the program name. The clock that --today pins and the content
// folder that --data-dir sets belong to the whole test program, so both are
// put back afterwards.
inline CliResult RunCliInProcess(std::vector<std::string> args) {
  args.insert(args.begin(), "hengmu-cli");
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  UnpinClock();
  SetContentDir(HENGMU_BIN_DIR);
  return {status, out.str(), err.str()};
}

}  // namespace hm::testing
