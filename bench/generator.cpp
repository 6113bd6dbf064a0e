#include "bench/generator.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <stdexcept>
#include <vector>

#include "bench/random.h"
#include "bench/source_writer.h"
#include "common/codepage.h"
#include "common/scrambling.h"
#include "common/text.h"
#include "common/text_file.h"

namespace vx4820cal::bench {
namespace {

// ---------------------------------------------------------------------------------
// The tables and their parameter names.

constexpr std::array<const char*, 20> kThemes = {"Rx",     "Tx",        "Pa",    "Vco",  "Tcxo", "Rssi",    "Squelch",
                                                 "Audio",  "Deviation", "Ctcss", "Temp", "Fan",  "Battery", "Pll",
                                                 "Filter", "Atten",     "Mixer", "Lna",  "Agc",  "Alc"};
constexpr std::array<const char*, 2> kTableSuffixes = {"Calibration", "Limits"};
constexpr std::array<const char*, 18> kNameWords = {"Gain",  "Offset", "Slope", "Step",  "Level",   "Limit",
                                                    "Bias",  "Dac",    "Trim",  "Delay", "Holdoff", "Threshold",
                                                    "Scale", "Factor", "Peak",  "Floor", "Target",  "Window"};
constexpr std::array<const char*, 3> kQualifiers = {"", "Low", "High"};
constexpr size_t kOtherTables = 38;

struct Table {
  std::string name;
  std::vector<std::string> names;
};

// A name holding a header key word would be read as that key, not as a parameter.
void RequireNoKeyWord(const std::string& name) {
  for (const char* key : {"BANDS", "MODELS", "HWVERSSTART", "HWVERSSTOP", "RADIOOPTIONS"}) {
    if (UCase(name).find(key) != std::string::npos) throw std::logic_error("name holds a key word: " + name);
  }
}

std::vector<Table> OtherTables(Random& random) {
  std::vector<Table> tables;
  for (size_t t = 0; t < kOtherTables; ++t) {
    const char* theme = kThemes[t % kThemes.size()];
    Table table{std::string("cv") + theme + kTableSuffixes[t / kThemes.size()], {}};
    size_t count = 12 + random.Below(19);
    size_t first = random.Below(kNameWords.size() * kQualifiers.size());
    for (size_t n = first; n < first + count; ++n) {
      // Distinct word and qualifier pairs keep the names distinct in any letter case.
      size_t pair = n % (kNameWords.size() * kQualifiers.size());
      table.names.push_back(std::string(theme) + kNameWords[pair % kNameWords.size()] +
                            kQualifiers[pair / kNameWords.size()]);
      RequireNoKeyWord(table.names.back());
    }
    tables.push_back(std::move(table));
  }
  return tables;
}

// ---------------------------------------------------------------------------------
// Values as people write them: whole numbers, decimals, texts, a comment now and then.

std::string NumberValue(Random& random) {
  switch (random.Below(4)) {
    case 0: return std::to_string(-static_cast<int64_t>(random.Below(140)));
    case 1: return std::to_string(random.Below(40000));
    case 2: return std::to_string(random.Below(20)) + "." + std::to_string(100 + random.Below(900));
    default: return std::to_string(random.Below(1000000) * 25);
  }
}

std::string ParameterValue(Random& random) {
  std::string value = random.Chance(10) ? std::to_string(100 + random.Below(800)) + "-" +
                                              std::to_string(200 + random.Below(800)) + " MHz"
                                        : NumberValue(random);
  if (random.Chance(8))
    value +=
        "        ; measured at 25 \xB0"
        "C";
  return value;
}

// ---------------------------------------------------------------------------------
// Sections.

const std::array<const char*, 5> kModels = {"VX4820 Standard Rx", "VX4820 Trigger Base Rx", "VX4820 Transmitter",
                                            "VX4820 High Power Tx", kDelegateModel};

struct Section {
  std::string table;
  std::string bands = "DEFAULT";
  std::string models = "DEFAULT";
  int start = 0;
  int stop = 9999;
  std::string radio_options = "DEFAULT";
  std::vector<std::pair<std::string, std::string>> parameters{};
  // A second version range stated inside the section for the same parameters: the
  // way a file records a hardware change (0: none).
  int split_at = 0;
};

// Writes a section; RadioOptions is stated only when it changes, as people write it.
class SectionWriter {
 public:
  explicit SectionWriter(SourceWriter& out) : out_(out) {}

  // The lines Write would write now.
  size_t LinesOf(const Section& section) const {
    size_t header = 5 + (section.radio_options != options_in_force_ ? 1 : 0);
    return header + (section.split_at ? 2 + 2 * section.parameters.size() : section.parameters.size());
  }

  void Write(const Section& section) {
    out_.Line("[" + section.table + "]");
    out_.Line("Bands = " + section.bands);
    out_.Line("Models = " + section.models);
    out_.Line("HWversStart = " + std::to_string(section.start));
    out_.Line("HWversStop = " + std::to_string(section.split_at ? section.split_at - 1 : section.stop));
    if (section.radio_options != options_in_force_) {
      out_.Line("RadioOptions = " + section.radio_options);
      options_in_force_ = section.radio_options;
    }
    WriteParameters(section);
    if (section.split_at) {
      out_.Line("HWversStart = " + std::to_string(section.split_at) + "        ; hardware change");
      out_.Line("HWversStop = " + std::to_string(section.stop));
      WriteParameters(section);
    }
  }

 private:
  void WriteParameters(const Section& section) {
    for (const auto& [name, value] : section.parameters) out_.Line(name + " = " + value);
  }

  SourceWriter& out_;
  std::string options_in_force_;
};

// ---------------------------------------------------------------------------------
// The base of every file: the start-up tables for all nine band codes, and one
// default section per other table.

std::vector<std::pair<std::string, std::string>> BandLimitsValues(size_t band) {
  const int64_t low = 136 + static_cast<int64_t>(band) * 80;
  const int64_t high = low + 38 + static_cast<int64_t>(band % 3) * 10;
  const char* prescalar = band < 4 ? "64" : band < 7 ? "128" : "256";
  return {{"BandType", std::to_string(band + 1)},
          {"TCXO", "14400000"},
          {"ReferenceFreqRx", "6250"},
          {"ReferenceFreqTx", band < 5 ? "6250" : "12500"},
          {"IFFrequency", band < 3 ? "45100000" : "73350000"},
          {"Prescalar", prescalar},
          {"N2", band < 5 ? "4" : "16"},
          {"R2", band < 5 ? "1" : "4"},
          {"FreqMax", std::to_string(high * 1000000)},
          {"FreqMin", std::to_string(low * 1000000)},
          {"M1_Numerator", "3"},
          {"M2_Numerator", "5"},
          {"M3_Numerator", std::to_string(7 + 2 * (band % 2))},
          {"Def_M1_Scalar", std::to_string(100 - 4 * (band % 3))},
          {"Def_M2_Scalar", "100"},
          {"Def_M3_Scalar", std::to_string(100 + 4 * (band % 2))},
          {"Lo_SideInjection", band < 4 ? "-1   ; -1 low side, 1 high side" : "1   ; -1 low side, 1 high side"},
          {"Display", std::to_string(low) + "-" + std::to_string(high) + " MHz"},
          {"Code", kBandCodes[band]},
          {"Divisor", band < 5 ? "6.25/12.5" : "12.5/25"},
          {"BaseProcessFreqA", std::to_string(low) + ".0125"},
          {"BaseProcessFreqB", std::to_string((low + high) / 2) + ".5000"}};
}

std::vector<Section> StartUpBase() {
  std::vector<Section> sections;
  for (size_t band = 0; band < kBandCodes.size(); ++band) {
    Section section{kBandLimitsTable};
    section.bands = kBandCodes[band];
    section.models = kDelegateModel;
    section.parameters = BandLimitsValues(band);
    sections.push_back(std::move(section));
  }
  Section fallback{kVerificationTable};
  fallback.parameters = {{"TCXOVerificationFactor", "1.000000"}, {"TolerancePPM", "1.5"}};
  sections.push_back(fallback);
  Section uhf{kVerificationTable};
  uhf.bands = "G2, H5, H6, H7";
  uhf.parameters = {{"TCXOVerificationFactor", "1.000125   ; UHF multiplier chain"}};
  sections.push_back(uhf);
  Section k5{kVerificationTable};
  k5.bands = "K5";
  k5.parameters = {{"TCXOVerificationFactor", "1.000250"}, {"TolerancePPM", "1.0"}};
  sections.push_back(k5);
  return sections;
}

// Defaults for the table's first few names; later sections add the rest.
Section DefaultSection(const Table& table, Random& random) {
  Section section{table.name};
  for (size_t n = 0; n < 8; ++n) section.parameters.emplace_back(table.names[n], ParameterValue(random));
  return section;
}

// ---------------------------------------------------------------------------------
// Growth: sections added over the years for new hardware versions, each for some radio
// options. The growth sections of one table cover disjoint version ranges, so a radio
// matches at most one of them per table; they all name radio options (odd
// weightings) and the base sections none (even weightings): no two best records of a
// name ever tie. A table whose version ranges run out gets radio options of its own
// for each further section, which keeps them apart just as well.

class GrowthSections {
 public:
  GrowthSections(Random& random, NameShape shape, size_t sections_per_table)
      : random_(random),
        shape_(shape),
        width_(std::max<int>(1, static_cast<int>(9900 / std::max<size_t>(1, sections_per_table)))) {}

  // Lines a growth section takes on average, blank line included.
  static size_t LinesPerSection(NameShape shape) {
    switch (shape) {
      case NameShape::kShortSections: return 9;
      case NameShape::kLongSections: return 3500;
      default: return 19;
    }
  }

  Section Next(const Table& table, size_t max_parameters) {
    Section section{table.name};
    section.bands = random_.Chance(30) ? "DEFAULT" : BandList();
    section.models = random_.Chance(40) ? "DEFAULT" : ModelList();
    TakeVersions(section);
    if (section.stop > section.start && random_.Chance(15)) {
      section.split_at = section.start + 1 + static_cast<int>(random_.Below(section.stop - section.start));
    }
    // A run of the table's names; a section split in two states them twice.
    size_t count = ParameterCount(table, max_parameters);
    if (section.split_at) count = std::max<size_t>(1, std::min(count, max_parameters / 2));
    size_t first = shape_ == NameShape::kLongSections ? 0 : random_.Below(table.names.size() - count + 1);
    for (size_t n = first; n < first + count; ++n) {
      section.parameters.emplace_back(NameAt(table, n), ParameterValue(random_));
    }
    return section;
  }

 private:
  size_t ParameterCount(const Table& table, size_t max_parameters) {
    const size_t names = table.names.size();
    switch (shape_) {
      case NameShape::kShortSections: return std::min({max_parameters, names, 1 + random_.Below(3)});
      case NameShape::kLongSections: return std::min(max_parameters, 2000 + random_.Below(3000));
      default: return std::min({max_parameters, names, 4 + random_.Below(names > 3 ? names - 3 : 1)});
    }
  }
  // The n-th name of a section. Long sections run past the table's names with a
  // number appended (no name ends in a digit, so these stay distinct); distinct names
  // take a point number each.
  std::string NameAt(const Table& table, size_t n) {
    const std::string& name = table.names[n % table.names.size()];
    if (shape_ == NameShape::kDistinct) return name + "_" + std::to_string(++points_);
    return n < table.names.size() ? name : name + std::to_string(n / table.names.size());
  }
  void TakeVersions(Section& section) {
    auto [it, added] = next_version_.try_emplace(section.table, 100);
    int& next = it->second;
    if (next + width_ - 1 <= 9999) {
      section.start = next;
      section.stop = std::min(9999, section.start + width_ - 1);
      next += width_;
      section.radio_options = RadioOptions();
    } else {
      section.start = static_cast<int>(random_.Below(9000));
      section.stop = section.start + static_cast<int>(random_.Below(1000));
      section.radio_options = "Special_" + std::to_string(++own_options_);
    }
  }
  // A list of one item, or two with the given chance.
  template <size_t N>
  std::string ShortList(const std::array<const char*, N>& items, unsigned second_chance) {
    size_t first = random_.Below(N);
    std::string list = items[first];
    if (random_.Chance(second_chance)) list += std::string(", ") + items[(first + 1) % N];
    return list;
  }
  // A long list: `least` to all of the items in a random order, with or without
  // spaces, so that sections seldom state the same list twice.
  template <size_t N>
  std::string LongList(const std::array<const char*, N>& items, size_t least) {
    size_t count = least + random_.Below(N - least + 1);
    size_t first = random_.Below(N);
    size_t step = 1 + random_.Below(N - 1);
    while (std::gcd(step, N) != 1) ++step;
    std::string list = items[first];
    for (size_t i = 1; i < count; ++i)
      list.append(random_.Chance(50) ? ", " : ",").append(items[(first + i * step) % N]);
    return list;
  }
  std::string BandList() {
    if (shape_ == NameShape::kLongLists) return LongList(kBandCodes, 4);
    size_t first = random_.Below(kBandCodes.size());
    size_t count = 1 + random_.Below(3);
    std::string list = kBandCodes[first];
    for (size_t i = 1; i < count && first + i < kBandCodes.size(); ++i) {
      list.append(random_.Chance(50) ? ", " : ",").append(kBandCodes[first + i]);
    }
    return list;
  }
  std::string ModelList() { return shape_ == NameShape::kLongLists ? LongList(kModels, 2) : ShortList(kModels, 30); }
  std::string RadioOptions() {
    static constexpr std::array<const char*, 12> kOptions = {"HighStab", "Wideband", "LowPower",  "Encrypt",
                                                             "Trunking", "Narrow",   "Simulcast", "Repeater",
                                                             "Voting",   "Analog",   "Digital",   "Paging"};
    static constexpr std::array<const char*, 6> kUsualOptions = {"HighStab", "Wideband", "LowPower",
                                                                 "Encrypt",  "Trunking", "Narrow"};
    return shape_ == NameShape::kLongLists ? LongList(kOptions, 3) : ShortList(kUsualOptions, 20);
  }

  Random& random_;
  NameShape shape_;
  int width_;
  std::map<std::string, int> next_version_;
  size_t own_options_ = 0;
  size_t points_ = 0;
};

void WriteBase(SourceWriter& out, SectionWriter& sections, const std::vector<Table>& tables, Random& random) {
  out.Line("; VX4820 calibration parameters (generated for benchmarks)");
  out.Line(";");
  out.Line("; A lookup takes, for every parameter name, the matching entry that names the most.");
  out.Line("");
  bool first = true;
  for (const Section& section : StartUpBase()) {
    sections.Write(section);
    if (first) out.Line("; RadioOptions above stays in force for all later sections");
    first = false;
    out.Line("");
  }
  for (const Table& table : tables) {
    out.Line("; " + table.name + ": defaults for every band and model");
    sections.Write(DefaultSection(table, random));
    out.Line("");
  }
}

void WriteGrowth(SourceWriter& out, SectionWriter& sections, const std::vector<Table>& tables,
                 const ParametersShape& shape, Random& random) {
  std::vector<Table> growing = tables;
  if (shape.grow_start_up_tables) {
    growing.push_back({kBandLimitsTable,
                       {"TCXO", "IFFrequency", "Prescalar", "FreqMax", "FreqMin", "Def_M1_Scalar", "Def_M2_Scalar",
                        "Def_M3_Scalar", "BaseProcessFreqA"}});
    growing.push_back({kVerificationTable, {"TCXOVerificationFactor", "TolerancePPM", "TcxoTrimStep"}});
  }
  // The width of each section's version range follows from the lines a section takes.
  GrowthSections growth(random, shape.names,
                        out.Room() / GrowthSections::LinesPerSection(shape.names) / growing.size() + 1);
  for (size_t next = 0; out.Room() > 0; ++next) {
    const Table& table = growing[next % growing.size()];
    // Header lines, room for a hardware change, and the blank line after it.
    const size_t overhead = 6 + 2 + 1;
    if (out.Room() < overhead + 1) {
      while (out.Room() > 0) out.Line("; end of the generated sections");
      break;
    }
    Section section = growth.Next(table, out.Room() - overhead);
    if (random.Chance(5)) out.Line("; " + table.name + ": entries added for a new radio option");
    if (out.Room() < sections.LinesOf(section) + 1) continue;
    sections.Write(section);
    out.Line("");
  }
}

}  // namespace

std::string GenerateParametersSource(const ParametersShape& shape) {
  Random random(shape.seed);
  SourceWriter out(shape.lines);
  SectionWriter sections(out);
  std::vector<Table> tables = OtherTables(random);
  WriteBase(out, sections, tables, random);
  if (out.Lines() > shape.lines) throw std::invalid_argument("too few lines for the base tables");
  WriteGrowth(out, sections, tables, shape, random);
  return out.Take();
}

const char* ShapeName(NameShape shape) {
  switch (shape) {
    case NameShape::kRepeated: return "repeated";
    case NameShape::kDistinct: return "distinct";
    case NameShape::kShortSections: return "short_sections";
    case NameShape::kLongSections: return "long_sections";
    case NameShape::kLongLists: return "long_lists";
  }
  return "";
}

const char* UiTextsName(UiTexts texts) {
  switch (texts) {
    case UiTexts::kUsual: return "usual";
    case UiTexts::kShort: return "short";
    case UiTexts::kLong: return "long";
    case UiTexts::kPlain: return "plain";
  }
  return "";
}

namespace {

// A text of about `length` characters of theme words.
std::string LongText(Random& random, size_t length) {
  std::string text;
  while (text.size() < length) {
    text.append(kThemes[random.Below(kThemes.size())]).append(" ").append(kNameWords[random.Below(kNameWords.size())]);
    text.append(random.Chance(20) ? ", " : " ");
  }
  return text;
}

struct UiLabels {
  std::string label;
  std::string restrictions;
  std::string nav_label;
};

UiLabels LabelsOf(UiTexts texts, Random& random, const char* theme, const char* word, size_t i) {
  switch (texts) {
    case UiTexts::kShort: return {std::string(1, theme[0]), "", ""};
    case UiTexts::kLong:
      return {"\"" + LongText(random, 200) + "\"", random.Chance(30) ? LongText(random, 80) : "",
              "Radio \xBB " + LongText(random, 120)};
    case UiTexts::kUsual:
    case UiTexts::kPlain: break;
  }
  std::string label = std::string(theme) + " " + word + " " + std::to_string(i % 97);
  if (random.Chance(10)) label = "\"" + label + ", adjusted\"";
  return {label, random.Chance(5) ? "NoEdit" : "", std::string("Radio \xBB ") + theme};
}

}  // namespace

std::string GenerateUiFieldSource(size_t fields, UiTexts texts, uint64_t seed) {
  static constexpr std::array<const char*, 8> kUnits = {"dB", "dBm", "MHz", "Hz", "V", "%", "", "band"};
  static constexpr std::array<const char*, 3> kGrids = {"", "grdBand", "grdPower"};
  static constexpr std::array<const char*, 4> kDecimal = {"0", "1", "True", "false"};
  Random random(seed);
  SourceWriter out(fields + 1);
  out.Line(
      "UIID\tLABEL\tHELPID\tUNIT\tUIWIDTHDEFAULT\tFACTACCESSLEVEL\tFACTBUTCUSTVIS\tCUSTACCESSLEVEL\t"
      "SPCLRESTRICTIONS\tATGRIDID\tDECIMALSYMBOL\tNAVLABEL");
  for (size_t i = 0; i < fields; ++i) {
    const char* theme = kThemes[random.Below(kThemes.size())];
    const char* word = kNameWords[random.Below(kNameWords.size())];
    const UiLabels labels = LabelsOf(texts, random, theme, word, i);
    const std::string uiid =
        texts == UiTexts::kShort ? "f" + std::to_string(i) : std::string(theme) + "_" + word + "_" + std::to_string(i);
    out.Line(uiid + "\t" + labels.label + "\t" + std::to_string(48000 + i) + "\t" +
             kUnits[random.Below(kUnits.size())] + "\t" + std::to_string(960 * (1 + random.Below(3))) + "\t" +
             std::to_string(10 * (1 + random.Below(3))) + "\t" + (random.Chance(70) ? "1" : "0") + "\t" +
             std::to_string(40 + 10 * random.Below(3)) + "\t" + labels.restrictions + "\t" +
             kGrids[random.Below(kGrids.size())] + "\t" + kDecimal[random.Below(kDecimal.size())] + "\t" +
             labels.nav_label);
  }
  return out.Take();
}

std::string ScrambleLines(std::string_view plain) {
  std::string out;
  out.reserve(plain.size() * 2 + 16);
  out.append(kScrambledMarker).append("\r\n");
  for (LineReader lines(plain); !lines.AtEnd();) {
    out.append(Utf8ToCp1252(EncryptString(Cp1252ToUtf8(lines.Next())))).append("\r\n");
  }
  return out;
}

}  // namespace vx4820cal::bench
