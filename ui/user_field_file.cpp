// The UI field data file: an optional "PCA Set" marker line, a header line that names
// the columns by position, then one record per line. Cells are cut at tabs.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/byte_finder.h"
#include "common/codepage.h"
#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/scrambling.h"
#include "common/text_file.h"
#include "ui/user_fields.h"

namespace vx4820cal {
namespace {

enum class Column {
  Ignored,
  UIID,
  Label,
  HelpID,
  Unit,
  UIWidthDefault,
  FactAccessLevel,
  FactButCustVis,
  CustAccessLevel,
  SpclRestrictions,
  ATGridID,
  DecimalSymbol,
  NavLabel
};

Column ColumnNamed(std::string_view header_cell) {
  struct Keyword {
    std::string_view name;
    Column column;
  };
  static constexpr Keyword kKeywords[] = {
      {"UIID", Column::UIID},
      {"LABEL", Column::Label},
      {"HELPID", Column::HelpID},
      {"UNIT", Column::Unit},
      {"UIWIDTHDEFAULT", Column::UIWidthDefault},
      {"FACTACCESSLEVEL", Column::FactAccessLevel},
      {"FACTBUTCUSTVIS", Column::FactButCustVis},
      {"CUSTACCESSLEVEL", Column::CustAccessLevel},
      {"SPCLRESTRICTIONS", Column::SpclRestrictions},
      {"ATGRIDID", Column::ATGridID},
      {"DECIMALSYMBOL", Column::DecimalSymbol},
      {"NAVLABEL", Column::NavLabel},
  };
  std::string upper = UCase(header_cell);
  for (const Keyword& keyword : kKeywords) {
    if (upper == keyword.name) return keyword.column;
  }
  return Column::Ignored;
}

// Hands out a line's cells from left to right. A line that ends in a tab has no empty
// cell after it; one that begins with a tab has an empty first cell.
class CellCutter {
 public:
  explicit CellCutter(std::string_view line) : line_(line) {}
  bool Next(std::string_view& cell) {
    if (at_ >= line_.size()) return false;
    const size_t tab = tabs_.Find(line_.data(), at_, line_.size());
    cell = line_.substr(at_, tab - at_);
    at_ = tab + 1;
    return true;
  }

 private:
  std::string_view line_;
  size_t at_ = 0;  // where the next cell begins
  ByteFinder<'\t'> tabs_;
};

// A cell that begins with a quote loses its first and its last character, whatever
// that is; a lone quote has no last character to lose (error 5).
std::string_view UnquoteQuoted(std::string_view cell) {
  if (cell.size() == 1) throw RuntimeError(err::kInvalidArgument);
  size_t last = cell.size() - 1;
  while (last > 1 && (static_cast<unsigned char>(cell[last]) & 0xC0) == 0x80) --last;  // UTF-8 continuation
  return cell.substr(1, last - 1);
}
// Most cells have no quote: that test stays in the loop over a line's cells.
inline std::string_view Unquote(std::string_view cell) {
  return cell.empty() || cell.front() != '"' ? cell : UnquoteQuoted(cell);
}

std::vector<Column> ReadHeader(std::string_view line) {
  std::vector<Column> columns;
  CellCutter cells(line);
  for (std::string_view cell; cells.Next(cell);) columns.push_back(ColumnNamed(Unquote(cell)));
  return columns;
}

// The values of a line that names no cell for them.
void SetReaderDefaults(UserFieldCells& values) {
  static constexpr UserFieldCells kDefaults = {.Units = "units", .intCustAccessLevel = 40};
  // A plain copy of the constant, not the zero fill and stores an assignment becomes:
  // a string instruction whose start-up cost is paid on every line.
  static_assert(std::is_trivially_copyable_v<UserFieldCells>);
  std::memcpy(&values, &kDefaults, sizeof values);
}

// A cell of a few plain digits, as nearly every number cell is, is read here; any other
// goes to the general conversion, which gives the same value or the error.
template <class Whole>
Whole CellToWhole(std::string_view cell, Whole (*general)(std::string_view)) {
  if (cell.size() > std::numeric_limits<Whole>::digits10) return general(cell);
  int32_t value = 0;
  for (char c : cell) {
    const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
    if (digit > 9) return general(cell);
    value = value * 10 + static_cast<int32_t>(digit);
  }
  return static_cast<Whole>(value);
}

// True when `cell` is `lower_word` (ASCII lower-case letters) in any letter case: a
// byte with the case bit set is that letter only when it is the letter in either case.
bool IsAsciiWord(std::string_view cell, std::string_view lower_word) {
  if (cell.size() != lower_word.size()) return false;
  for (size_t i = 0; i < cell.size(); ++i) {
    if ((static_cast<unsigned char>(cell[i]) | 0x20) != static_cast<unsigned char>(lower_word[i])) return false;
  }
  return true;
}

// A whole-number cell (as most of that column is) answers without the general
// conversion, which looks the user's decimal symbol up: the same answer, not zero.
bool CellToBoolean(std::string_view cell) {
  // The two words, in any letter case, as most of the rest of that column is written.
  if (IsAsciiWord(cell, "true")) return true;
  if (IsAsciiWord(cell, "false")) return false;
  int32_t value = 0;
  const char* end = cell.data() + cell.size();
  if (auto [stop, failure] = std::from_chars(cell.data(), end, value); failure == std::errc() && stop == end) {
    return value != 0;
  }
  return TextToBoolean(cell);
}

void Store(Column column, std::string_view cell, UserFieldCells& values) {
  switch (column) {
    case Column::Ignored: break;
    case Column::UIID: values.UIID = cell; break;
    case Column::Label: values.Label = cell; break;
    case Column::HelpID: values.HelpID = CellToWhole(cell, TextToLong); break;
    case Column::Unit: values.Units = cell; break;
    case Column::UIWidthDefault: values.UIWidth = CellToWhole(cell, TextToLong); break;
    case Column::FactAccessLevel: values.intFactAccessLevel = CellToWhole(cell, TextToInteger); break;
    case Column::FactButCustVis: values.blnFactButCustVis = CellToWhole(cell, TextToLong) != 0; break;
    case Column::CustAccessLevel: values.intCustAccessLevel = NarrowToInteger(CellToWhole(cell, TextToLong)); break;
    case Column::SpclRestrictions: values.strSpclRestrictions = cell; break;
    case Column::ATGridID: values.strATGridID = cell; break;
    case Column::DecimalSymbol: values.blnDecimalSymbol = CellToBoolean(cell); break;
    case Column::NavLabel: values.strNavLabel = cell; break;
  }
}

// An empty cell keeps the default. A filled cell beyond the header has no column
// (error 9); a cell its column cannot convert fails with 13 or 6.
void ReadDataLine(std::string_view line, const std::vector<Column>& columns, UserFieldCells& values) {
  SetReaderDefaults(values);
  CellCutter cells(line);
  size_t column = 0;
  for (std::string_view cell; cells.Next(cell); ++column) {
    cell = Unquote(cell);
    if (cell.empty()) continue;
    if (column >= columns.size()) throw RuntimeError(err::kSubscriptOutOfRange);
    Store(columns[column], cell, values);
  }
}

// Descrambled text is already decoded; plain lines are Windows-1252 bytes. The text
// goes to one buffer kept for the whole file.
std::string_view DecodeLine(std::string_view raw, bool scrambled, std::string& text) {
  if (scrambled) {
    DecryptInto(raw, text);
  } else {
    Cp1252ToUtf8Into(raw, text);
  }
  return text;
}

// A line read and cut into cells, which point into its own text.
struct ReadLine {
  std::string text;
  UserFieldCells values;
  colUserFields::PreparedKey uiid_key;
};

// The file is read a block at a time and never held whole; the collection grows its
// index as it goes. Each line is added once the next one is read, so that the index
// slot of its UIID, asked for a line ahead with the key prepared then, has arrived.
// A line that cannot be read first adds the one before it: what is stored and
// reported, and in which order, is as if each line were added at once.
void ReadFields(FileLineReader& lines, colUserFields& fields) {
  std::string header_text;
  std::string_view first = lines.Next();
  const bool scrambled = first == kScrambledMarker;
  // A scrambled character takes two hex digits.
  fields.ExpectTextBytes(scrambled ? lines.SizeBytes() / 2 : lines.SizeBytes());
  std::vector<Column> columns = ReadHeader(DecodeLine(scrambled ? lines.Next() : first, scrambled, header_text));
  // Two lines in turn; their cells point into their own texts, so they trade places
  // by pointer, never by value.
  ReadLine lines_read[2];
  ReadLine* pending = &lines_read[0];
  ReadLine* next = &lines_read[1];
  bool has_pending = false;
  // Each line at most once, even when adding it raises.
  auto add_pending = [&] {
    if (std::exchange(has_pending, false)) fields.AddCells(pending->values, std::move(pending->uiid_key));
  };
  try {
    while (!lines.AtEnd()) {
      std::string_view line = DecodeLine(lines.Next(), scrambled, next->text);
      lines.DoneWithLine();
      ReadDataLine(line, columns, next->values);
      // A blank line or an empty UIID cell names no field: nothing to store or report.
      if (!next->values.UIID.empty()) fields.PrepareKey(next->values.UIID, next->uiid_key);
      add_pending();
      std::swap(pending, next);
      has_pending = !pending->values.UIID.empty();
    }
  } catch (...) {
    add_pending();
    throw;
  }
  add_pending();
}

}  // namespace

bool colUserFields::ReadInDataFromTextFile(const std::filesystem::path& data_file) {
  std::optional<FileLineReader> lines;
  // A file that cannot be opened, or read at all, is no error: the host then goes
  // without metadata.
  if (!TrapQuietly([&] { lines.emplace(data_file).AtEnd(); })) return false;
  return TrapAndReport("ReadInDataFromTextFile", false, [&] {
    ReadFields(*lines, *this);
    return true;
  });
}

}  // namespace vx4820cal
