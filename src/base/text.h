// Text helpers: trimming, integer reading, and the GBK view of UTF-8 text
// that the readings use when they count or cut bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hm {

// Removes leading and trailing blanks and control characters (every byte at
// or below the blank), as entry fields and stored values are trimmed.
std::string Trim(std::string_view text);

// UTF-8 -> GBK bytes. A character that GBK cannot hold becomes "?", as it
// would in a program running on the Chinese code page.
std::string ToGbk(std::string_view utf8);
// True when every character of the text has a GBK encoding.
bool IsGbkEncodable(std::string_view utf8);
// GBK bytes -> UTF-8. A byte sequence that is not GBK becomes "?".
std::string FromGbk(std::string_view gbk);

// Number of GBK bytes of a UTF-8 text (a Chinese character counts two).
std::size_t GbkLength(std::string_view utf8);
// Bytes [start, start + count) of the GBK form, 1-based like the byte
// positions the readings name ("bytes 4 and 5"), returned as UTF-8. Positions
// past the end are dropped; a half character becomes "?".
std::string GbkSlice(std::string_view utf8, std::size_t start, std::size_t count);
// The longest prefix of the text whose GBK form fits into maxBytes bytes,
// never splitting a character.
std::string GbkTruncate(std::string_view utf8, std::size_t maxBytes);

// Reads a decimal integer (optional blanks before, optional sign). Throws
// ConversionError "'TEXT' is not a valid integer value".
int ToInt(std::string_view text);
// Same reading without the exception.
bool TryToInt(std::string_view text, int& value);

// Splits a text into lines at CR LF, LF or CR. A final line end does not
// make an extra empty line.
std::vector<std::string> SplitLines(std::string_view text);

// True when the text is valid UTF-8 throughout.
bool IsValidUtf8(std::string_view text);

// Number of Unicode characters of a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

}  // namespace hm
