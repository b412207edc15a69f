// The bone-weight fortune (称骨算命): the weights of the lunar year, month,
// day and birth hour added up, and the verse of the total.
#pragma once

#include <string>

namespace hm {

// The total weight as text: at most 15 significant digits, no trailing
// zeros (2.6, 4, 3.05).
std::string BoneWeightTotalText(double total);
// The two-digit key of a total text: liang and qian (35 for 3.5, 40 for 4).
std::string BoneWeightKey(const std::string& totalText);

// One output line: kind 0 the weight (你的骨重为：3两5钱), 1 the verse
// (骨重诗评：...), 2 the explanation (骨重解评：...), any other kind empty.
// A weight without a row weighs 0; a total without a verse gives empty text.
// A statement that cannot run at all throws SilentAbort.
std::string BoneWeightLine(const std::string& lunarYear, const std::string& lunarMonth, const std::string& lunarDay,
                           const std::string& hour, int kind);

}  // namespace hm
