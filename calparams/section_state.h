#pragma once
// The six values the loader keeps while it reads: the table and the header keys in
// force for the next parameter line.
#include <cstdint>
#include <string>
#include <string_view>

#include "calparams/line_format.h"

namespace vx4820cal::calparams {

struct SectionState {
  std::string table;
  std::string bands;
  std::string models;
  int16_t hw_version_start = 0;
  int16_t hw_version_stop = 0;
  std::string radio_options;  // kept from section to section

  // A section header: new table, its bands, models and versions not stated yet.
  void EnterSection(std::string name);
  // A header key line; a version that is no whole number in 16 bits raises the
  // conversion error (13 or 6) and changes nothing.
  void Apply(HeaderKey key, const std::string& value);
};

// A "HWversStart" or "HWversStop" value: a 32-bit whole number, then 16 bits.
int16_t ToHardwareVersion(std::string_view text);

}  // namespace vx4820cal::calparams
