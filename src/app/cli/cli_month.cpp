// The month grid of the perpetual calendar window, printed.
#include "app/cli/cli.h"

namespace hm {

void RegisterMonthCli(CliVerbTable&) {}

}  // namespace hm
