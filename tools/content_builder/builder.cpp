// Builds the content store from the plain-text sources under data/: the four
// SQLite files and the shensha rule files, checked before anything is written.
//
//   hengmu-content-builder --schema FILE --data DIR --out DIR [--fixture]
#include "builder.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "base/content.h"
#include "base/text.h"

namespace fs = std::filesystem;

namespace hm::builder {

int Table::ColumnIndex(const std::string& name) const {
  for (std::size_t i = 0; i < def.columns.size(); ++i)
    if (def.columns[i].name == name) return static_cast<int>(i);
  return -1;
}

namespace {

struct Failure {
  std::string message;
};

std::vector<std::string> splitOn(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : s) {
    if (c == sep) {
      out.push_back(cur);
      cur.clear();
    } else {
      cur.push_back(c);
    }
  }
  out.push_back(cur);
  return out;
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream is(line);
  std::vector<std::string> w;
  std::string x;
  while (is >> x) w.push_back(x);
  return w;
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw Failure{"无法读取 " + p.string()};
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<TableDef> readSchema(const fs::path& path) {
  std::vector<TableDef> specs;
  auto lines = SplitLines(readFile(path));
  for (std::size_t n = 0; n < lines.size(); ++n) {
    std::string line = Trim(lines[n]);
    if (line.empty() || line[0] == '#') continue;
    auto w = words(line);
    std::string where = path.string() + ":" + std::to_string(n + 1);
    if (w.size() < 3) throw Failure{where + ": 表定义不完整"};
    TableDef t;
    t.file = w[0];
    t.name = w[1];
    for (const auto& c : splitOn(w[2], ',')) {
      auto colon = c.find(':');
      Column col{c.substr(0, colon), colon == std::string::npos ? "text" : c.substr(colon + 1)};
      if (col.type != "text" && col.type != "int" && col.type != "real")
        throw Failure{where + ": 未知类型 " + col.type};
      t.columns.push_back(col);
    }
    for (std::size_t i = 3; i < w.size(); ++i) {
      if (w[i] == "required") {
        t.required = true;
        continue;
      }
      auto eq = w[i].find('=');
      if (eq == std::string::npos) throw Failure{where + ": 无法理解 " + w[i]};
      std::string k = w[i].substr(0, eq), v = w[i].substr(eq + 1);
      if (k == "key")
        t.key = splitOn(v, '+');
      else if (k == "rows")
        t.rows = std::stoi(v);
      else if (k == "prose")
        t.prose = splitOn(v, ',');
      else if (k == "scrambled")
        t.scrambled = splitOn(v, ',');
      else
        throw Failure{where + ": 未知选项 " + k};
    }
    Table probe{t, "", {}};
    for (const auto* list : {&t.key, &t.prose, &t.scrambled})
      for (const auto& c : *list)
        if (probe.ColumnIndex(c) < 0) throw Failure{where + ": 选项中的列 " + c + " 不在表中"};
    specs.push_back(t);
  }
  return specs;
}

std::string unescape(const std::string& v, const std::string& where) {
  std::string out;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] != '\\') {
      out.push_back(v[i]);
      continue;
    }
    if (i + 1 >= v.size()) throw Failure{where + ": 行尾多余的反斜杠"};
    char c = v[++i];
    if (c == 'n')
      out.push_back('\n');
    else if (c == 't')
      out.push_back('\t');
    else if (c == '\\')
      out.push_back('\\');
    else
      throw Failure{where + ": 未知转义 \\" + std::string(1, c)};
  }
  return out;
}

void readTable(Table& t, const fs::path& path) {
  t.source = path.string();
  std::string text = readFile(path);
  if (!IsValidUtf8(text)) throw Failure{t.source + ": 不是有效的 UTF-8"};
  auto lines = splitOn(text, '\n');
  std::vector<int> order;  // source column -> schema column
  bool header = true;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    std::string line = lines[n];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::string where = t.source + ":" + std::to_string(n + 1);
    auto fields = splitOn(line, '\t');
    if (header) {
      std::set<std::string> seen;
      for (const auto& f : fields) {
        int i = t.ColumnIndex(f);
        if (i < 0) throw Failure{where + ": 表 " + t.def.name + " 没有列 " + f};
        if (!seen.insert(f).second) throw Failure{where + ": 列 " + f + " 重复"};
        order.push_back(i);
      }
      for (const auto& c : t.def.columns)
        if (!seen.count(c.name)) throw Failure{where + ": 缺少列 " + c.name};
      header = false;
      continue;
    }
    if (fields.size() != order.size())
      throw Failure{where + ": 应有 " + std::to_string(order.size()) + " 个值, 实有 " + std::to_string(fields.size())};
    std::vector<std::string> row(t.def.columns.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      std::string v = unescape(fields[i], where);
      const Column& col = t.def.columns[static_cast<std::size_t>(order[i])];
      if (!IsGbkEncodable(v)) throw Failure{where + ": 列 " + col.name + " 含有 GBK 无法表示的字符"};
      if (col.type != "text" && !v.empty()) {
        char* end = nullptr;
        std::string tv = Trim(v);
        if (col.type == "int")
          (void)std::strtoll(tv.c_str(), &end, 10);
        else
          (void)std::strtod(tv.c_str(), &end);
        if (tv.empty() || *end != '\0') throw Failure{where + ": 列 " + col.name + " 不是数值: " + v};
      }
      row[static_cast<std::size_t>(order[i])] = v;
    }
    t.rows.push_back(std::move(row));
  }
  if (header) throw Failure{t.source + ": 缺少列名行"};
}

void checkTable(const Table& t, bool fixture) {
  std::string where = t.source.empty() ? t.def.file + " " + t.def.name : t.source;
  if (!t.def.key.empty()) {
    std::set<std::string> keys;
    for (const auto& row : t.rows) {
      std::string k;
      for (const auto& c : t.def.key) k += row[static_cast<std::size_t>(t.ColumnIndex(c))] + "\x1f";
      if (!keys.insert(k).second) {
        std::string shown = k;
        for (auto& ch : shown)
          if (ch == '\x1f') ch = ' ';
        throw Failure{where + ": 键重复: " + Trim(shown)};
      }
    }
  }
  for (const auto& c : t.def.prose) {
    std::set<std::string> seen;
    int i = t.ColumnIndex(c);
    for (const auto& row : t.rows) {
      std::string v = Trim(row[static_cast<std::size_t>(i)]);
      if (v.empty()) throw Failure{where + ": 列 " + c + " 有空的文本"};
      if (!seen.insert(v).second) throw Failure{where + ": 列 " + c + " 的文本重复: " + v.substr(0, 60)};
    }
  }
  if (!fixture && t.def.required && t.source.empty()) throw Failure{where + ": 缺少数据文件"};
  if (!fixture && !t.source.empty() && t.def.rows >= 0 && static_cast<int>(t.rows.size()) != t.def.rows)
    throw Failure{where + ": 应有 " + std::to_string(t.def.rows) + " 行, 实有 " + std::to_string(t.rows.size())};
}

std::string sqlType(const std::string& t) {
  if (t == "int") return "INTEGER";
  if (t == "real") return "REAL";
  return "TEXT COLLATE NOCASE";
}

std::string quoteId(const std::string& s) {
  return "\"" + s + "\"";
}

void exec(sqlite3* db, const std::string& sql) {
  char* err = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    std::string m = err ? err : "sqlite error";
    sqlite3_free(err);
    throw Failure{m + " in: " + sql};
  }
}

void writeDatabase(const fs::path& path, const std::vector<const Table*>& tables) {
  fs::path tmp = path;
  tmp += ".tmp";
  fs::remove(tmp);
  sqlite3* db = nullptr;
  if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) throw Failure{"无法创建 " + tmp.string()};
  try {
    exec(db, "PRAGMA journal_mode=OFF; BEGIN;");
    for (const Table* t : tables) {
      std::string create = "CREATE TABLE " + quoteId(t->def.name) + " (";
      std::string insert = "INSERT INTO " + quoteId(t->def.name) + " VALUES (";
      for (std::size_t i = 0; i < t->def.columns.size(); ++i) {
        if (i) {
          create += ", ";
          insert += ", ";
        }
        create += quoteId(t->def.columns[i].name) + " " + sqlType(t->def.columns[i].type);
        insert += "?";
      }
      exec(db, create + ")");
      if (!t->def.key.empty()) {
        std::string idx = "CREATE INDEX " + quoteId("ix_" + t->def.name) + " ON " + quoteId(t->def.name) + " (";
        for (std::size_t i = 0; i < t->def.key.size(); ++i) idx += (i ? ", " : "") + quoteId(t->def.key[i]);
        exec(db, idx + ")");
      }
      sqlite3_stmt* st = nullptr;
      if (sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw Failure{sqlite3_errmsg(db)};
      for (const auto& row : t->rows) {
        sqlite3_reset(st);
        for (std::size_t i = 0; i < row.size(); ++i) {
          const Column& col = t->def.columns[i];
          std::string v = row[i];
          bool scrambled = false;
          for (const auto& s : t->def.scrambled) scrambled = scrambled || s == col.name;
          if (scrambled) v = ScrambleText(v);
          int idx = static_cast<int>(i) + 1;
          if (col.type == "int" && !Trim(v).empty())
            sqlite3_bind_int64(st, idx, std::stoll(Trim(v)));
          else if (col.type == "real" && !Trim(v).empty())
            sqlite3_bind_double(st, idx, std::stod(Trim(v)));
          else if (col.type != "text" && Trim(v).empty())
            sqlite3_bind_null(st, idx);
          else
            sqlite3_bind_text(st, idx, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        }
        if (sqlite3_step(st) != SQLITE_DONE) {
          std::string m = sqlite3_errmsg(db);
          sqlite3_finalize(st);
          throw Failure{m};
        }
      }
      sqlite3_finalize(st);
    }
    exec(db, "COMMIT;");
  } catch (...) {
    sqlite3_close(db);
    fs::remove(tmp);
    throw;
  }
  sqlite3_close(db);
  fs::rename(tmp, path);
}

void writeRuleFiles(const fs::path& dataDir, const fs::path& outDir, bool fixture) {
  fs::path src = dataDir / "shensha";
  // The Four Pillars report reads all seven rule files; the real store must
  // ship every one of them.
  if (!fixture)
    for (const char* name : {"niangan", "nianzhi", "yuezhi", "rigan", "rizhi", "rizhu", "rizhus"})
      if (!fs::exists(src / (std::string(name) + ".txt")))
        throw Failure{(src / (std::string(name) + ".txt")).string() + ": 缺少神煞规则文件"};
  fs::path dst = outDir / "shensha";
  fs::create_directories(dst);
  if (!fs::exists(src)) return;
  for (const auto& e : fs::directory_iterator(src)) {
    if (e.path().extension() != ".txt") continue;
    std::string text = readFile(e.path());
    if (!IsValidUtf8(text)) throw Failure{e.path().string() + ": 不是有效的 UTF-8"};
    std::string out;
    auto lines = SplitLines(text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
      if (!IsGbkEncodable(lines[n]))
        throw Failure{e.path().string() + ":" + std::to_string(n + 1) + ": 含有 GBK 无法表示的字符"};
      out += ToGbk(lines[n]) + "\r\n";
    }
    std::ofstream os(dst / e.path().filename(), std::ios::binary);
    os << out;
    if (!os) throw Failure{"无法写入 " + (dst / e.path().filename()).string()};
  }
}

}  // namespace

int Main(int argc, char** argv) {
  fs::path schema, data, out;
  bool fixture = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--fixture")
      fixture = true;
    else if (i + 1 < argc && a == "--schema")
      schema = argv[++i];
    else if (i + 1 < argc && a == "--data")
      data = argv[++i];
    else if (i + 1 < argc && a == "--out")
      out = argv[++i];
    else {
      std::cerr << "用法: hengmu-content-builder --schema FILE --data DIR --out DIR [--fixture]\n";
      return 1;
    }
  }
  if (schema.empty() || data.empty() || out.empty()) {
    std::cerr << "用法: hengmu-content-builder --schema FILE --data DIR --out DIR [--fixture]\n";
    return 1;
  }
  try {
    Tables tables;
    std::map<std::string, std::vector<std::string>> byFile;
    for (auto& def : readSchema(schema)) {
      if (tables.count(def.name)) throw Failure{"表 " + def.name + " 定义了两次"};
      byFile[def.file].push_back(def.name);
      tables[def.name] = Table{def, "", {}};
    }
    std::set<std::string> knownDirs;
    for (const auto& [file, names] : byFile) {
      std::string dir = file.substr(0, file.rfind('.'));
      knownDirs.insert(dir);
      for (const auto& n : names) {
        fs::path p = data / dir / (n + ".tsv");
        if (fs::exists(p)) readTable(tables[n], p);
      }
      if (fs::exists(data / dir))
        for (const auto& e : fs::directory_iterator(data / dir)) {
          std::string stem = e.path().stem().string();
          if (e.path().extension() == ".tsv" && std::find(names.begin(), names.end(), stem) == names.end())
            throw Failure{e.path().string() + ": " + file + " 里没有表 " + stem + " (见 schema.txt)"};
        }
    }
    for (const auto& [n, t] : tables) checkTable(t, fixture);
    if (!fixture) {
      auto problems = CrossTableChecks(tables);
      if (!problems.empty()) {
        for (const auto& p : problems) std::cerr << p << "\n";
        return 1;
      }
    }
    fs::create_directories(out);
    for (const auto& [file, names] : byFile) {
      std::vector<const Table*> list;
      for (const auto& n : names) list.push_back(&tables[n]);
      writeDatabase(out / file, list);
    }
    writeRuleFiles(data, out, fixture);
  } catch (const Failure& f) {
    std::cerr << "内容库生成失败: " << f.message << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "内容库生成失败: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace hm::builder

int main(int argc, char** argv) {
  return hm::builder::Main(argc, argv);
}
