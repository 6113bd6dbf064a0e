#pragma once
// The benchmarks' input files, generated on first use into one temporary folder that
// is removed when the program ends. Nothing generated is kept in the repository.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "bench/generator.h"

namespace vx4820cal::bench {

// The sizes every file-reading benchmark runs at (lines of the plain source, or
// fields of a UI field data file).
inline constexpr int64_t kSmall = 1000;
inline constexpr int64_t kMedium = 100000;
inline constexpr int64_t kLarge = 1000000;

struct InputFile {
  std::filesystem::path folder;  // the component folder that holds it
  std::filesystem::path path;
  uint64_t bytes = 0;
};

// A component folder with PARAMETERS.ini of `lines` lines and its working copy
// PARAMETERS.dat as the component writes it (not older than the source); `path` is
// the working copy. grow_start_up_tables: see ParametersShape.
const InputFile& ParametersInput(size_t lines, bool grow_start_up_tables = true,
                                 NameShape names = NameShape::kRepeated);
const InputFile& ParametersInput(size_t lines, NameShape names);

// The plain source PARAMETERS.ini beside ParametersInput(lines)'s working copy.
const InputFile& ParametersSource(size_t lines);

// A component folder with PARAMETERS.ini (and its up-to-date working copy) of
// `sections` sections of one table, each for a band of its own, each holding the one
// parameter name "N": no ties, every record checked against the others. `path` is the
// plain source.
const InputFile& OneNameInput(size_t sections);

// A component folder with a scrambled VX4820CAL_UI_U.dat of `fields` fields.
const InputFile& UiFieldInput(size_t fields, UiTexts texts = UiTexts::kUsual);

// A component folder holding only a working copy PARAMETERS.dat of at least `bytes`
// bytes, written a block at a time (never held whole): the generated million-line
// file's records again and again, or (one_value) a single section whose one
// parameter has a value that fills the file.
const InputFile& LargeWorkingCopy(uint64_t bytes, bool one_value);

// A component folder with a copy of the repository's sample data (PARAMETERS.ini,
// VX4820CAL_UI_U.dat) and the working copy made from it, as after a first start;
// `path` is the working copy PARAMETERS.dat.
const InputFile& SampleDataInput();

// A fresh, empty folder inside the temporary folder.
std::filesystem::path NewScratchFolder();

}  // namespace vx4820cal::bench
