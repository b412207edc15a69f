#include "app/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "base/text.h"

namespace hm {

std::vector<std::string> DecodeRecordText(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom && IsValidUtf8(bytes)) return SplitLines(bytes.substr(kBom.size()));
  if (IsValidUtf8(bytes)) return SplitLines(bytes);
  return SplitLines(FromGbk(bytes));
}

bool ReadRecordFile(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::string bytes;
  char buf[65536];
  bool ok = true;
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n > 0) {
      bytes.append(buf, static_cast<std::size_t>(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      ok = false;  // a folder, or a read error
      break;
    }
  }
  ::close(fd);
  if (!ok) return false;
  lines = DecodeRecordText(bytes);
  return true;
}

}  // namespace hm
