#include "bazi/element_tally.h"

#include <array>

#include "base/text.h"

namespace hm {

std::string FiveElementTally(std::string_view elements) {
  static constexpr std::array<std::size_t, 8> kPositions = {1, 3, 8, 10, 15, 17, 22, 24};
  static constexpr std::array<const char*, 5> kNames = {"金", "木", "水", "火", "土"};
  // n / 8 as its shortest decimal.
  static constexpr std::array<const char*, 9> kShares = {"0",     "0.125", "0.25",  "0.375", "0.5",
                                                         "0.625", "0.75",  "0.875", "1"};
  const std::string gbk = ToGbk(elements);
  std::string out;
  for (std::size_t e = 0; e < kNames.size(); ++e) {
    const std::string name = ToGbk(kNames[e]);
    int n = 0;
    for (std::size_t pos : kPositions)
      if (pos - 1 + name.size() <= gbk.size() && gbk.compare(pos - 1, name.size(), name) == 0) ++n;
    out += kNames[e];
    out += ":占" + std::to_string(n) + "个 " + kShares[static_cast<std::size_t>(n)];
    out += e + 1 < kNames.size() ? ", " : ".";
  }
  return out;
}

}  // namespace hm
