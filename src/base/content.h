// The content store: four read-only SQLite files and the shensha rule files
// beside the executable. Keys are always bound as parameters.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace hm {

enum class ContentFile { Dream, MokFile, MokBirth, Tgcode };

// "dream.dll", "MokFile.dll", "MokBirth.dll", "Tgcode.dll".
const char* ContentFileName(ContentFile file);

// The folder holding the content store (default: the executable's folder,
// set by the program at start). Changing it closes the cached connections.
void SetContentDir(const std::string& dir);
const std::string& ContentDir();
// Closes every cached connection and statement (tests swap stores).
void CloseContentStore();

// A bound key: text, integer or real.
using SqlValue = std::variant<std::string, long long, double>;

// One statement on one content file. The statement is SQLite text with "?"
// for every key; the rows are read whole when the query opens.
//
//   ContentQuery q(ContentFile::Tgcode,
//                  "select ShiShen from Shishen where jiazi = ? limit 1", {key});
//   q.Open();                 // throws StoreError on a missing file/table/column
//   std::string v = q.Text(0);  // "" when there is no row
class ContentQuery {
 public:
  ContentQuery(ContentFile file, std::string sql, std::vector<SqlValue> params = {});

  // Runs the statement. Throws StoreError if the file is missing or the
  // statement does not prepare (missing table or column).
  void Open();

  bool IsEmpty() const { return rows_.empty(); }
  int RecordCount() const { return static_cast<int>(rows_.size()); }
  void First() { pos_ = 0; }
  void Next() {
    if (pos_ < rows_.size()) ++pos_;
  }
  bool Eof() const { return pos_ >= rows_.size(); }

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const std::vector<std::string>& ColumnNames() const { return columns_; }
  // Index of a column by name (case-insensitive); -1 if there is none.
  int ColumnIndex(std::string_view name) const;

  // The value of the current row as stored (untrimmed); "" past the last row
  // or for NULL. Throws StoreError for a column that does not exist.
  std::string Text(int column) const;
  std::string Text(std::string_view column) const;
  // The value as a number; 0 with no current row or NULL. Throws StoreError
  // for text that is not a number.
  double Number(int column) const;
  double Number(std::string_view column) const;

 private:
  ContentFile file_;
  std::string sql_;
  std::vector<SqlValue> params_;
  std::vector<std::string> columns_;
  std::vector<std::vector<std::optional<std::string>>> rows_;
  std::size_t pos_ = 0;
  int resolve(std::string_view name) const;
};

// First column of the first row, trimmed; "" with no row. Throws StoreError.
std::string LookupText(ContentFile file, const std::string& sql, std::vector<SqlValue> params);

// The fixed key of the scrambled columns and the repeat count every caller
// uses.
inline constexpr std::uint16_t kScrambleKey = 0x6B2D;
inline constexpr int kScrambleRounds = 7;

// Turns a stored scrambled column back into text. Every pair of characters
// is one hex byte; an odd last character is ignored; a pair that is not hex
// sounds the bell and yields no byte. Without any byte the result is empty
// (nullopt) and the caller keeps what it had.
std::optional<std::string> UnscrambleText(std::string_view text, std::uint16_t key = kScrambleKey,
                                          int rounds = kScrambleRounds);
// The inverse: the hex text (upper case) that UnscrambleText turns into text.
std::string ScrambleText(std::string_view text, std::uint16_t key = kScrambleKey, int rounds = kScrambleRounds);

// The bell of the desktop program; the CLI and tests leave it silent or count.
void SetBellHandler(std::function<void()> handler);
void Bell();

// Reads a rule file of the folder shensha/ in the content store whole, as
// lines (GBK with CR LF, LF or CR). Throws StoreError if it cannot be read.
std::vector<std::string> ReadRuleFile(const std::string& name);

}  // namespace hm
