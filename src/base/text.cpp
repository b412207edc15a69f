#include "base/text.h"

#include <iconv.h>

#include <cerrno>
#include <climits>
#include <stdexcept>

#include "base/errors.h"

namespace hm {

namespace {

// One converter per direction per thread; iconv keeps shift state, so every
// call resets it before use.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  iconv_t get() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

iconv_t toGbk() {
  thread_local Iconv cd("GBK", "UTF-8");
  return cd.get();
}
iconv_t fromGbk() {
  thread_local Iconv cd("UTF-8", "GBK");
  return cd.get();
}

// Length of the UTF-8 sequence starting with lead byte c (1 for a stray byte).
std::size_t utf8SeqLen(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 1;
}

// Converts one chunk; returns false if the converter rejects it.
bool convertChunk(iconv_t cd, std::string_view in, std::string& out) {
  char buf[16];
  char* inp = const_cast<char*>(in.data());
  std::size_t inleft = in.size();
  char* outp = buf;
  std::size_t outleft = sizeof buf;
  if (iconv(cd, &inp, &inleft, &outp, &outleft) == static_cast<std::size_t>(-1) || inleft != 0) return false;
  out.append(buf, static_cast<std::size_t>(outp - buf));
  return true;
}

}  // namespace

std::string Trim(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::string ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  iconv_t cd = toGbk();
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    std::size_t n = utf8SeqLen(c);
    if (i + n > utf8.size() || !convertChunk(cd, utf8.substr(i, n), out)) {
      out.push_back('?');
      cd = toGbk();
    }
    i += n;
  }
  return out;
}

bool IsGbkEncodable(std::string_view utf8) {
  if (!IsValidUtf8(utf8)) return false;
  std::string scratch;
  iconv_t cd = toGbk();
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    std::size_t n = utf8SeqLen(c);
    if (c >= 0x80 && !convertChunk(cd, utf8.substr(i, n), scratch)) return false;
    i += n;
  }
  return true;
}

std::string FromGbk(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  iconv_t cd = fromGbk();
  std::size_t i = 0;
  while (i < gbk.size()) {
    unsigned char c = static_cast<unsigned char>(gbk[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    if (i + 1 < gbk.size() && convertChunk(cd, gbk.substr(i, 2), out)) {
      i += 2;
      continue;
    }
    cd = fromGbk();
    // A lone or invalid lead byte: one replacement for it alone.
    out.push_back('?');
    ++i;
  }
  return out;
}

std::size_t GbkLength(std::string_view utf8) {
  return ToGbk(utf8).size();
}

std::string GbkSlice(std::string_view utf8, std::size_t start, std::size_t count) {
  std::string g = ToGbk(utf8);
  if (start < 1) {
    if (count <= 1 - start) return {};
    count -= 1 - start;
    start = 1;
  }
  if (start > g.size()) return {};
  return FromGbk(std::string_view(g).substr(start - 1, count));
}

std::string GbkTruncate(std::string_view utf8, std::size_t maxBytes) {
  std::size_t used = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t n = utf8SeqLen(static_cast<unsigned char>(utf8[i]));
    std::size_t w = GbkLength(utf8.substr(i, n));
    if (used + w > maxBytes) break;
    used += w;
    i += n;
  }
  return std::string(utf8.substr(0, i));
}

bool TryToInt(std::string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool neg = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    neg = text[i] == '-';
    ++i;
  }
  if (i >= text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (neg) v = -v;
  if (v > INT_MAX || v < INT_MIN) return false;
  value = static_cast<int>(v);
  return true;
}

int ToInt(std::string_view text) {
  int v = 0;
  if (!TryToInt(text, v)) throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
  return v;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string cur;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(cur);
      cur.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t n;
    unsigned int cp;
    if ((c & 0xE0) == 0xC0) {
      n = 2;
      cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      n = 3;
      cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      n = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      unsigned char d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if ((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += n;
  }
  return true;
}

std::size_t Utf8Length(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace hm
