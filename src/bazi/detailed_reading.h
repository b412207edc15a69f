// The three shorter Four Pillars readings of the main window: the birth
// information alone, with the bone weight, or with the blood-type text.
#pragma once

#include <string_view>

#include "base/birth_record.h"
#include "base/pane.h"
#include "bazi/chart.h"

namespace hm {

enum class DetailedVariant { BirthInfo, BoneWeight, BloodType };  // 生辰信息, 称骨算命, 血型论命

// Clears the pane and writes the short summary and the variant's reading
// from the record (filled by the entry step with the lunar numbers and hour
// parts) and the trimmed sex field. Any failure inside ends the reading
// quietly and keeps the lines written so far. The bone-weight and
// blood-type readings end by bringing the view back to the top.
void DetailedReading(DetailedVariant variant, const BirthRecord& record, std::string_view sex, PillarChart& chart,
                     Pane& pane, const MessageSink& showMessage);

}  // namespace hm
