// The full Four Pillars (八字) report of the person on the main window.
#pragma once

#include <string_view>

#include "base/birth_record.h"
#include "base/pane.h"
#include "bazi/chart.h"

namespace hm {

// Clears the pane and writes the report from the record (filled by the
// entry step with the lunar numbers and hour parts) and the trimmed sex
// field; the chart is kept in `chart`. Any failure inside ends the report
// quietly and keeps the lines written so far.
void BaziReport(const BirthRecord& record, std::string_view sex, PillarChart& chart, Pane& pane,
                const MessageSink& showMessage);

}  // namespace hm
