#include "cli/ui_file_linter.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "cli/command_line_hints.h"
#include "cli/utf8_misreading.h"
#include "common/codepage.h"
#include "common/conversions.h"
#include "common/scrambling.h"
#include "common/text.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

// How the reader converts a key-word column's cells.
enum class Cell { kText, kWhole, kSmallWhole, kBoolean };

struct UiKeyWord {
  const char* name;
  Cell cell;
};

constexpr UiKeyWord kKeyWords[] = {
    {"UIID", Cell::kText},
    {"LABEL", Cell::kText},
    {"HELPID", Cell::kWhole},
    {"UNIT", Cell::kText},
    {"UIWIDTHDEFAULT", Cell::kWhole},
    {"FACTACCESSLEVEL", Cell::kSmallWhole},
    {"FACTBUTCUSTVIS", Cell::kWhole},
    {"CUSTACCESSLEVEL", Cell::kSmallWhole},
    {"SPCLRESTRICTIONS", Cell::kText},
    {"ATGRIDID", Cell::kText},
    {"DECIMALSYMBOL", Cell::kBoolean},
    {"NAVLABEL", Cell::kText},
};

const UiKeyWord* KeyWordNamed(std::string_view cell) {
  std::string upper = UCase(cell);
  for (const UiKeyWord& key_word : kKeyWords) {
    if (upper == key_word.name) return &key_word;
  }
  return nullptr;
}

// The cells of a line as the reader cuts them: at tabs, no empty cell after a last tab.
std::vector<std::string_view> Cells(std::string_view line) {
  std::vector<std::string_view> cells;
  while (!line.empty()) {
    size_t tab = line.find('\t');
    cells.push_back(line.substr(0, tab));
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
  }
  return cells;
}

// A quoted cell loses its first and last character; a lone quote cannot (none).
std::optional<std::string_view> Unquoted(std::string_view cell) {
  if (cell.empty() || cell.front() != '"') return cell;
  if (cell.size() == 1) return std::nullopt;
  size_t last = cell.size() - 1;
  while (last > 1 && (static_cast<unsigned char>(cell[last]) & 0xC0) == 0x80) --last;
  return cell.substr(1, last - 1);
}

// The error number the reader raises for the cell, or 0.
int ConversionFailure(Cell kind, std::string_view cell) {
  try {
    switch (kind) {
      case Cell::kText: break;
      case Cell::kWhole: TextToLong(cell); break;
      case Cell::kSmallWhole: NarrowToInteger(TextToLong(cell)); break;
      case Cell::kBoolean: TextToBoolean(cell); break;
    }
  } catch (const Error& error) {
    return error.Number();
  }
  return 0;
}

class UiFileLinter {
 public:
  explicit UiFileLinter(std::string_view bytes) : lines_(bytes) {}

  std::vector<LintFinding> Run() {
    if (lines_.AtEnd()) {
      Add(1, true, "the file is empty: it names no columns and no field");
      return std::move(findings_);
    }
    std::optional<std::string> header = NextText();
    if (header && *header == kScrambledMarker && !scrambled_) {
      scrambled_ = true;
      header = lines_.AtEnd() ? std::nullopt : NextText();
    }
    if (!header) {
      Add(lines_.LineNumber(), true, "no header line after the marker \"PCA Set\"");
      return std::move(findings_);
    }
    CheckHeader(*header);
    while (!lines_.AtEnd()) {
      if (std::optional<std::string> text = NextText()) CheckRow(*text);
    }
    return std::move(findings_);
  }

 private:
  void Add(size_t line, bool error, std::string message) { findings_.push_back({line, error, std::move(message)}); }
  void Add(bool error, std::string message) { Add(lines_.LineNumber(), error, std::move(message)); }
  // The first of these ends the component's reading.
  void Stop(std::string message) {
    findings_.push_back({lines_.LineNumber(), true, std::move(message), !stopped_});
    stopped_ = true;
  }

  // The next line as text; none, reported, when a scrambled line does not descramble.
  std::optional<std::string> NextText() {
    std::string_view raw = lines_.Next();
    std::string text;
    if (scrambled_) {
      try {
        text = DecryptString(raw);
      } catch (const Error&) {
        Stop("a line after the marker \"PCA Set\" that is not scrambled text: the reading stops here (error 13)");
        return std::nullopt;
      }
    } else {
      text = Cp1252ToUtf8(raw);
    }
    std::string bytes = scrambled_ ? Utf8ToCp1252(text) : std::string(raw);
    if (std::optional<Utf8Misread> misread = Utf8Misreading(bytes)) Add(misread->byte_order_mark, misread->message);
    return text;
  }

  void CheckHeader(std::string_view line) {
    std::vector<std::string> names;
    for (const UiKeyWord& key_word : kKeyWords) names.push_back(key_word.name);
    for (std::string_view cell : Cells(line)) {
      std::string_view name = Unquoted(cell).value_or("");
      const UiKeyWord* key_word = KeyWordNamed(name);
      columns_.push_back(key_word);
      if (key_word) continue;
      std::string column = "column " + std::to_string(columns_.size());
      Add(false, name.empty() ? column + " has no key word: its cells are ignored"
                              : column + " \"" + std::string(name) +
                                    "\" is no key word: its cells are ignored; did you mean \"" +
                                    Closest(std::string(name), names) + "\"?");
    }
    // Columns the file leaves out keep their defaults; without UIID nothing is stored.
    if (std::find(columns_.begin(), columns_.end(), &kKeyWords[0]) == columns_.end()) {
      Add(true, "no column UIID: no line names a field, nothing is stored");
    }
  }

  void CheckRow(std::string_view line) {
    std::vector<std::string_view> cells = Cells(line);
    if (TrimView(line).empty()) return;
    if (cells.size() != columns_.size()) CheckCellCount(cells);
    std::string uiid;
    bool filled = false;
    for (size_t i = 0; i < cells.size() && i < columns_.size(); ++i) {
      std::optional<std::string_view> cell = Unquoted(cells[i]);
      if (!cell) {
        Stop("column " + std::to_string(i + 1) + " holds a lone quote: the reading stops here (error 5)");
        return;
      }
      if (cell->empty() || !columns_[i]) continue;
      filled = true;
      if (std::string_view(columns_[i]->name) == "UIID") uiid = *cell;
      if (int error = ConversionFailure(columns_[i]->cell, *cell)) {
        Stop(std::string("column ") + columns_[i]->name + ": \"" + std::string(*cell) +
             "\" does not convert: the reading stops here (error " + std::to_string(error) + ", " +
             RuntimeErrorText(error) + ")");
      }
    }
    CheckUiid(uiid, filled);
  }

  void CheckCellCount(const std::vector<std::string_view>& cells) {
    std::string counts =
        std::to_string(cells.size()) + " cells where the header has " + std::to_string(columns_.size());
    if (cells.size() < columns_.size()) {
      Add(false, counts + ": the cells missing keep their defaults");
      return;
    }
    for (size_t i = columns_.size(); i < cells.size(); ++i) {
      if (Unquoted(cells[i]).value_or("x").empty()) continue;
      Stop(counts + ": a filled cell beyond the header: the reading stops here (error 9)");
      return;
    }
    Add(false, counts + " (the cells beyond it are empty)");
  }

  void CheckUiid(const std::string& uiid, bool filled) {
    if (uiid.empty()) {
      if (filled) Add(true, "no UIID: the line's values are stored nowhere");
      return;
    }
    auto [first, fresh] = uiids_.try_emplace(UCase(uiid), lines_.LineNumber());
    if (fresh) return;
    Add(true, "UIID \"" + uiid + "\" is already on line " + std::to_string(first->second) +
                  " (letter case aside): this line is reported and dropped (error 457)");
  }

  LineReader lines_;
  bool scrambled_ = false;
  bool stopped_ = false;
  std::vector<const UiKeyWord*> columns_;
  std::map<std::string, size_t> uiids_;  // upper-cased UIID: its first line
  std::vector<LintFinding> findings_;
};

}  // namespace

std::vector<LintFinding> LintUiFieldFile(std::string_view bytes) { return UiFileLinter(bytes).Run(); }

}  // namespace vx4820cal::cli
