// Verbs of the calendar engine.
#include "app/cli/cli.h"

namespace hm {

void RegisterCalendarCli(CliVerbTable&) {}

}  // namespace hm
