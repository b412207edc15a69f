#include "base/pane.h"

#include "base/text.h"

namespace hm {

void Pane::Clear() {
  lines_.clear();
}

void Pane::Add(std::string_view line) {
  if (line.find_first_of("\r\n") == std::string_view::npos) {
    lines_.emplace_back(line);
    return;
  }
  // A memo splits an added text at its line breaks; a trailing break adds
  // no extra line.
  auto parts = SplitLines(line);
  if (parts.empty()) parts.emplace_back();
  for (auto& p : parts) lines_.push_back(std::move(p));
}

void Pane::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
}

std::string Pane::Text() const {
  std::string out;
  for (const auto& l : lines_) {
    out += l;
    out += '\n';
  }
  return out;
}

}  // namespace hm
