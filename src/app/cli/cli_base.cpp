// Verbs of the base layer.
#include "app/cli/cli.h"
#include "base/content.h"

namespace hm {

void RegisterBaseCli(CliVerbTable& table) {
  table["scramble"] = {[](CliContext& c) {
                         if (c.args.size() != 1) throw CliUsageError("用法: scramble TEXT");
                         c.out << ScrambleText(c.args[0]) << "\n";
                         return 0;
                       },
                       "scramble TEXT            存储用的加扰十六进制文本"};
}

}  // namespace hm
