#include "bazi/bone_weight.h"

#include <cstdio>

#include "base/content.h"
#include "base/errors.h"
#include "base/text.h"

namespace hm {

namespace {

double weightOf(const char* sql, const std::string& key) {
  ContentQuery q(ContentFile::Dream, sql, {key});
  q.Open();
  return q.IsEmpty() ? 0 : q.Number(0);
}

}  // namespace

std::string BoneWeightTotalText(double total) {
  // Fifteen significant digits drop the noise of the additions:
  // 0.5 + 0.5 + 0.9 + 0.7 is 2.5999999999999996 in doubles and must read 2.6.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", total);
  return buf;
}

std::string BoneWeightKey(const std::string& t) {
  if (t.size() == 1) return t + "0";
  std::string k = t.substr(0, 1);
  if (t.size() > 2) k += t[2];
  return k;
}

std::string BoneWeightLine(const std::string& lunarYear, const std::string& lunarMonth, const std::string& lunarDay,
                           const std::string& hour, int kind) {
  try {
    double total = 0;
    total += weightOf("select weight from chenggu1 where year = ?", lunarYear);
    total += weightOf("select weight from chenggu2 where month2 = ?", lunarMonth);
    total += weightOf("select weight from chenggu3 where day2 = ?", lunarDay);
    total += weightOf("select weight from chenggu4 where time = ?", hour);
    const std::string key = BoneWeightKey(BoneWeightTotalText(total));

    ContentQuery verse(ContentFile::Dream, "select content, content2 from chenggu where weight = ?", {key});
    verse.Open();
    if (verse.IsEmpty()) return {};
    switch (kind) {
      case 0: {
        std::string line = "你的骨重为：" + key.substr(0, 1) + "两";
        if (key.size() > 1 && key[1] != '0') line += key.substr(1, 1) + "钱";
        return line;
      }
      case 1:
        return "骨重诗评：" + Trim(verse.Text(0));
      case 2:
        return "骨重解评：" + Trim(verse.Text(1));
      default:
        return {};
    }
  } catch (const StoreError& e) {
    throw SilentAbort(e.what());
  }
}

}  // namespace hm
