#pragma once
// Deterministic inputs for the benchmarks: calibration parameters files and UI field
// data files of a given number of lines, shaped like the ones installations grow over
// the years. The same arguments always give the same bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx4820cal::bench {

// The band codes of the band-limits table, in its order.
inline constexpr std::array<const char*, 9> kBandCodes = {"A4", "B1", "C0", "D1", "G2", "H5", "H6", "H7", "K5"};

// The two tables the tier reads for every band code at start-up.
inline constexpr const char* kBandLimitsTable = "BandLimits";
inline constexpr const char* kVerificationTable = "cvCscTCXOVerificationFactor";
inline constexpr const char* kDelegateModel = "LR2930 Cal";

// What the growth of a parameters file looks like; the base sections are the same.
enum class NameShape {
  kRepeated,       // each table's few dozen names, section after section
  kDistinct,       // a name of its own per line (per-point tables): most names distinct
  kShortSections,  // sections of one to three lines
  kLongSections,   // a few sections of thousands of lines each
  kLongLists,      // long band, model and radio-option lists, seldom the same twice
};
inline constexpr std::array<NameShape, 5> kNameShapes = {NameShape::kRepeated, NameShape::kDistinct,
                                                         NameShape::kShortSections, NameShape::kLongSections,
                                                         NameShape::kLongLists};
// "repeated", "distinct", ...: how figures and folders name the shape.
const char* ShapeName(NameShape shape);

struct ParametersShape {
  size_t lines = 1000;  // exact number of lines of the plain source (at least ~1000)
  // True: every table, the two start-up tables included, grows with the file. False:
  // the start-up tables keep their base sections and only the other tables grow.
  bool grow_start_up_tables = true;
  NameShape names = NameShape::kRepeated;
  uint64_t seed = 4820;
};

// A plain parameters source (Windows-1252, lines ended by CR LF): about 40 tables,
// nine band codes, five models, hardware version ranges, radio options, comments and
// blank lines. No ties: for any radio, every parameter name has one best record.
// The two start-up tables hold all their keys for every band code at version 0.
std::string GenerateParametersSource(const ParametersShape& shape);

// The texts of a UI field data file: labels of some twenty characters, of one or two,
// or of a few hundred (with long navigation labels and restrictions).
// kPlain: the usual texts in a file that is not scrambled, as a person edits it.
enum class UiTexts { kUsual, kShort, kLong, kPlain };
const char* UiTextsName(UiTexts texts);

// A plain UI field data file: the header line and `fields` data lines with unique
// UIIDs (in any letter case), quoted cells and non-ASCII labels among them.
std::string GenerateUiFieldSource(size_t fields, UiTexts texts = UiTexts::kUsual, uint64_t seed = 4820);

// The scrambled form of a plain file: the marker line, then every line scrambled,
// each ended by CR LF (what the tool's scramble command writes).
std::string ScrambleLines(std::string_view plain);

}  // namespace vx4820cal::bench
