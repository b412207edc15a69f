// Turns the input strip's fields into the person's record: the checks in
// their fixed order with their notices, the lunar-to-solar conversion and
// the derived texts.
#pragma once

#include "app/main_state.h"
#include "base/birth_record.h"

namespace hm {

// Checks the fields in order and fills the record field by field. Throws
// Notice (an empty field, a date outside the calendar) or ConversionError
// (a date or number that does not convert); fields stored before the
// failing check keep their new values.
//   bloodTypeRequired: the Four Pillars commands need the blood type.
//   lunarNumbersWanted: also set the lunar numbers and the hour parts.
void ReadBirthEntry(const EntryFields& fields, BirthRecord& record, bool bloodTypeRequired, bool lunarNumbersWanted);

}  // namespace hm
