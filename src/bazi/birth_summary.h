// The summary line that opens the name and star-sign reports, the age text
// of the minor-luck rows, and the return of the pane's view to its top.
#pragma once

#include <string>

#include "base/birth_record.h"
#include "base/pane.h"

namespace hm {

// Clears the pane and writes the person's summary line and an empty line.
// Throws ConversionError (before the pane is touched) when the solar date
// text does not read as a year and a date.
void WriteBirthSummary(const BirthRecord& record, Pane& pane);

// Brings the pane's view back to its first line; the text stays as it is.
void ScrollToTop(Pane& pane);

// The age reached in `year`, counted from the lunar birth year, with "岁":
// two digits at least (05岁, 00岁), so a negative age reads 0-3岁.
std::string AgeText(int year, int lunarYear);
// The same, reading the lunar birth year from the record (ConversionError
// when it is not a number).
std::string AgeText(int year, const BirthRecord& record);

}  // namespace hm
