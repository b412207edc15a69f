// The content builder's view of the sources: tables parsed from data/.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace hm::builder {

struct Column {
  std::string name;
  std::string type;  // "text", "int" or "real"
};

struct TableDef {
  std::string file;  // "dream.dll", ...
  std::string name;
  std::vector<Column> columns;
  std::vector<std::string> key;  // columns that together must not repeat
  int rows = -1;                 // exact row count of the real store, -1 = any
  bool required = false;         // the real store must have its data file
  std::vector<std::string> prose;
  std::vector<std::string> scrambled;
};

struct Table {
  TableDef def;
  std::string source;  // the .tsv it came from ("" when none)
  // Rows in column order of def.columns, values as plain text.
  std::vector<std::vector<std::string>> rows;
  int ColumnIndex(const std::string& name) const;
};

// Tables by name ("chenggu", "81", ...).
using Tables = std::map<std::string, Table>;

// Checks that look across tables (only for the real store). Each problem is
// one message; an empty list means the sources pass.
std::vector<std::string> CrossTableChecks(const Tables& tables);

}  // namespace hm::builder
