// Small character helpers the Four Pillars readings share: cutting texts by
// characters and the substring test of the rule files.
#pragma once

#include <string>
#include <string_view>

namespace hm::bazi {

// The first n characters (not bytes) of a UTF-8 text.
inline std::string Utf8Prefix(std::string_view s, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t seen = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (seen == n) break;
      ++seen;
    }
  }
  return std::string(s.substr(0, i));
}

// True when needle occurs in hay; an empty needle occurs nowhere, as a
// position search reports it.
inline bool Contains(std::string_view hay, std::string_view needle) {
  return !needle.empty() && hay.find(needle) != std::string_view::npos;
}

}  // namespace hm::bazi
