// Error kinds every command shares: an input notice, a failed text
// conversion, a content-store failure and the silent end of a report.
#pragma once

#include <stdexcept>
#include <string>

namespace hm {

// An input check failed; the text is the notice shown to the user
// (a message box captioned "提示" in the windows, "提示：TEXT" in the CLI).
class Notice : public std::runtime_error {
 public:
  explicit Notice(const std::string& text) : std::runtime_error(text) {}
};

// A text did not convert to a date or an integer. The message is the one the
// user sees in the error box, e.g. "'1980-2-30' is not a valid date".
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const std::string& message) : std::runtime_error(message) {}
};

// The content store failed: a missing file, table or column, or a value that
// does not convert. Most commands end silently on it; window-owned queries
// show it in the error box.
class StoreError : public std::runtime_error {
 public:
  explicit StoreError(const std::string& message) : std::runtime_error(message) {}
};

// Ends a report quietly; the lines written so far stay in the pane.
class SilentAbort : public std::runtime_error {
 public:
  SilentAbort() : std::runtime_error("silent abort") {}
  explicit SilentAbort(const std::string& why) : std::runtime_error(why) {}
};

}  // namespace hm
