#pragma once
// The fields of a band-limits record in record order, each with the parameter table
// it is read from (the parameter has the field's name). Filling a record and
// printing one walk the same list.
#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "provider/band_limits.h"

namespace vx4820cal {

inline constexpr const char* kBandLimitsTableName = "BandLimits";
inline constexpr const char* kTcxoFactorTableName = "cvCscTCXOVerificationFactor";

using BandLimitsMember = std::variant<int32_t BandLimitsRecord::*, int16_t BandLimitsRecord::*,
                                      std::string BandLimitsRecord::*, double BandLimitsRecord::*>;

struct BandLimitsField {
  const char* name;   // the field's name and the parameter's
  const char* table;  // kBandLimitsTableName or kTcxoFactorTableName
  BandLimitsMember member;
};

inline constexpr std::size_t kBandLimitsFieldCount = 23;

const std::array<BandLimitsField, kBandLimitsFieldCount>& BandLimitsFields();

}  // namespace vx4820cal
