// Saved records: plain text files that the main window opens into its pane.
// Records are written as GBK with CR LF; UTF-8 text is accepted as well.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hm {

// The lines of a record's bytes. Text that is valid UTF-8 throughout (an
// optional byte-order mark is dropped) is taken as UTF-8, anything else as
// GBK. Lines may end in CR LF, LF or CR.
std::vector<std::string> DecodeRecordText(std::string_view bytes);

// Reads and decodes a record file. False when the file cannot be read (it
// does not exist, is a folder, or reading fails); `lines` is then empty.
bool ReadRecordFile(const std::string& path, std::vector<std::string>& lines);

}  // namespace hm
