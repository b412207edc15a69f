// The result pane of a window as plain lines: reports clear it and append
// lines; the window shows whatever it holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hm {

class Pane {
 public:
  void Clear();
  // Appends a line. A text holding line breaks (CR LF, LF or CR) becomes
  // several lines, as a memo would show it; an empty text is one empty line.
  void Add(std::string_view line);
  // Replaces every line.
  void SetLines(std::vector<std::string> lines);
  const std::vector<std::string>& Lines() const { return lines_; }
  // The lines joined by "\n", each ended by "\n".
  std::string Text() const;

  // The pane stays hidden until the first reading is written into it.
  bool Visible() const { return visible_; }
  void Show() { visible_ = true; }

  // Asks the view to return to the first line; the window honours the
  // request after the command and the counter lets tests see it.
  void ScrollToTop() { ++scrollRequests_; }
  int ScrollRequests() const { return scrollRequests_; }

 private:
  std::vector<std::string> lines_;
  bool visible_ = false;
  int scrollRequests_ = 0;
};

}  // namespace hm
