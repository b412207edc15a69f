#include "base/content.h"

#include <sqlite3.h>
#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "base/errors.h"
#include "base/text.h"

namespace hm {

namespace {

std::string g_contentDir = ".";
std::function<void()> g_bell;

// Open connections and prepared statements, kept for the life of the
// program: a report runs the same few statements many times.
struct Connection {
  sqlite3* db = nullptr;
  std::map<std::string, sqlite3_stmt*> statements;
  ~Connection() {
    for (auto& [sql, st] : statements) sqlite3_finalize(st);
    if (db) sqlite3_close(db);
  }
};

std::map<ContentFile, std::unique_ptr<Connection>>& connections() {
  static std::map<ContentFile, std::unique_ptr<Connection>> c;
  return c;
}

std::string filePath(ContentFile f) {
  std::string dir = g_contentDir;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir + ContentFileName(f);
}

// Percent-escapes the characters that a file URI gives a meaning to.
std::string uriEscape(const std::string& path) {
  std::string out;
  for (unsigned char c : path) {
    if (c == '%' || c == '?' || c == '#' || c <= ' ') {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%%%02X", c);
      out += buf;
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  return out;
}

Connection& connectionFor(ContentFile f) {
  auto& all = connections();
  auto it = all.find(f);
  if (it != all.end()) return *it->second;
  auto c = std::make_unique<Connection>();
  std::string path = filePath(f);
  // Read-only and without SQLITE_OPEN_CREATE: a missing file stays missing.
  // The store never changes while the program runs, so SQLite may skip its
  // per-statement locking and journal checks (immutable), which dominate the
  // cost of the many small look-ups of a report.
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) throw StoreError("无法打开数据文件 " + path);
  std::string uri = "file:" + uriEscape(path) + "?immutable=1";
  int rc = sqlite3_open_v2(uri.c_str(), &c->db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
  if (rc != SQLITE_OK) {
    std::string msg = "无法打开数据文件 " + path;
    throw StoreError(msg);
  }
  auto& ref = *c;
  all[f] = std::move(c);
  return ref;
}

sqlite3_stmt* statementFor(Connection& c, const std::string& sql, const std::string& path) {
  auto it = c.statements.find(sql);
  if (it != c.statements.end()) return it->second;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(c.db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
    std::string msg = std::string(sqlite3_errmsg(c.db)) + " (" + path + ")";
    sqlite3_finalize(st);
    throw StoreError(msg);
  }
  c.statements[sql] = st;
  return st;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool parseNumber(const std::string& s, double& v) {
  std::string t = Trim(s);
  if (t.empty()) return false;
  char* end = nullptr;
  errno = 0;
  v = std::strtod(t.c_str(), &end);
  return end && *end == '\0' && errno == 0;
}

}  // namespace

const char* ContentFileName(ContentFile f) {
  switch (f) {
    case ContentFile::Dream:
      return "dream.dll";
    case ContentFile::MokFile:
      return "MokFile.dll";
    case ContentFile::MokBirth:
      return "MokBirth.dll";
    case ContentFile::Tgcode:
      return "Tgcode.dll";
  }
  return "";
}

void SetContentDir(const std::string& dir) {
  CloseContentStore();
  g_contentDir = dir;
}

const std::string& ContentDir() {
  return g_contentDir;
}

void CloseContentStore() {
  connections().clear();
}

ContentQuery::ContentQuery(ContentFile file, std::string sql, std::vector<SqlValue> params)
    : file_(file), sql_(std::move(sql)), params_(std::move(params)) {}

void ContentQuery::Open() {
  columns_.clear();
  rows_.clear();
  pos_ = 0;
  Connection& c = connectionFor(file_);
  sqlite3_stmt* st = statementFor(c, sql_, filePath(file_));
  sqlite3_reset(st);
  sqlite3_clear_bindings(st);
  for (std::size_t i = 0; i < params_.size(); ++i) {
    int idx = static_cast<int>(i) + 1;
    std::visit(
        [&](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::string>)
            sqlite3_bind_text(st, idx, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
          else if constexpr (std::is_same_v<T, long long>)
            sqlite3_bind_int64(st, idx, v);
          else
            sqlite3_bind_double(st, idx, v);
        },
        params_[i]);
  }
  int n = sqlite3_column_count(st);
  for (int i = 0; i < n; ++i) columns_.emplace_back(sqlite3_column_name(st, i));
  int rc;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    std::vector<std::optional<std::string>> row;
    row.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      if (sqlite3_column_type(st, i) == SQLITE_NULL) {
        row.emplace_back(std::nullopt);
      } else {
        const unsigned char* t = sqlite3_column_text(st, i);
        int len = sqlite3_column_bytes(st, i);
        row.emplace_back(std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(len)));
      }
    }
    rows_.push_back(std::move(row));
  }
  sqlite3_reset(st);
  if (rc != SQLITE_DONE) throw StoreError(sqlite3_errmsg(c.db));
}

int ContentQuery::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i].size() == name.size() && strncasecmp(columns_[i].c_str(), name.data(), name.size()) == 0)
      return static_cast<int>(i);
  return -1;
}

int ContentQuery::resolve(std::string_view name) const {
  int i = ColumnIndex(name);
  if (i < 0) throw StoreError("没有列 " + std::string(name));
  return i;
}

std::string ContentQuery::Text(int column) const {
  if (column < 0 || column >= ColumnCount()) throw StoreError("列序号超出范围");
  if (pos_ >= rows_.size()) return {};
  const auto& v = rows_[pos_][static_cast<std::size_t>(column)];
  return v ? *v : std::string();
}

std::string ContentQuery::Text(std::string_view column) const {
  return Text(resolve(column));
}

double ContentQuery::Number(int column) const {
  if (column < 0 || column >= ColumnCount()) throw StoreError("列序号超出范围");
  if (pos_ >= rows_.size()) return 0;
  const auto& v = rows_[pos_][static_cast<std::size_t>(column)];
  if (!v) return 0;
  double d = 0;
  if (!parseNumber(*v, d)) throw StoreError("'" + *v + "' is not a valid floating point value");
  return d;
}

double ContentQuery::Number(std::string_view column) const {
  return Number(resolve(column));
}

std::string LookupText(ContentFile file, const std::string& sql, std::vector<SqlValue> params) {
  ContentQuery q(file, sql, std::move(params));
  q.Open();
  if (q.IsEmpty()) return {};
  return Trim(q.Text(0));
}

std::optional<std::string> UnscrambleText(std::string_view text, std::uint16_t key, int rounds) {
  std::string b;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    int hi = hexValue(text[i]);
    int lo = hexValue(text[i + 1]);
    if (hi < 0 || lo < 0) {
      Bell();
      continue;
    }
    b.push_back(static_cast<char>(hi * 16 + lo));
  }
  if (b.empty()) return std::nullopt;
  const unsigned char kh = static_cast<unsigned char>(key >> 8);
  const unsigned char kl = static_cast<unsigned char>(key & 0xFF);
  auto* p = reinterpret_cast<unsigned char*>(b.data());
  const std::size_t n = b.size();
  for (int r = 0; r < rounds; ++r) {
    for (std::size_t i = 1; i < n; ++i) p[i] = static_cast<unsigned char>(((p[i - 1] + p[i]) & 0xFF) ^ kh);
    for (std::size_t i = n - 1; i-- > 0;) p[i] = static_cast<unsigned char>(((p[i] + p[i + 1]) & 0xFF) ^ kl);
  }
  return FromGbk(b);
}

std::string ScrambleText(std::string_view text, std::uint16_t key, int rounds) {
  std::string b = ToGbk(text);
  const unsigned char kh = static_cast<unsigned char>(key >> 8);
  const unsigned char kl = static_cast<unsigned char>(key & 0xFF);
  auto* p = reinterpret_cast<unsigned char*>(b.data());
  const std::size_t n = b.size();
  for (int r = 0; r < rounds && n > 0; ++r) {
    // Undo the backward pass (it ran n-1 .. 1 against the new right value).
    for (std::size_t i = 0; i + 1 < n; ++i) p[i] = static_cast<unsigned char>(((p[i] ^ kl) - p[i + 1]) & 0xFF);
    // Undo the forward pass (it ran 2 .. n against the new left value).
    for (std::size_t i = n - 1; i >= 1; --i) p[i] = static_cast<unsigned char>(((p[i] ^ kh) - p[i - 1]) & 0xFF);
  }
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  out.reserve(n * 2);
  for (std::size_t i = 0; i < n; ++i) {
    out.push_back(kHex[p[i] >> 4]);
    out.push_back(kHex[p[i] & 15]);
  }
  return out;
}

void SetBellHandler(std::function<void()> handler) {
  g_bell = std::move(handler);
}

void Bell() {
  if (g_bell) g_bell();
}

std::vector<std::string> ReadRuleFile(const std::string& name) {
  std::string dir = g_contentDir;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  std::string path = dir + "shensha/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw StoreError("无法读取规则文件 " + path);
  std::stringstream ss;
  ss << in.rdbuf();
  return SplitLines(FromGbk(ss.str()));
}

}  // namespace hm
