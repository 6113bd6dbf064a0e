#pragma once
// The band-limits table: the synthesiser and reference-frequency constants of each
// band code, filled from the calibration parameters when the tier initialises. One
// table per thread, rebuilt by every InitBandLimits.
#include <cstdint>
#include <string>
#include <vector>

namespace vx4820cal {

// One band. A new record holds zero in every number and empty text in every text.
struct BandLimitsRecord {
  int32_t BandType = 0;
  int32_t TCXO = 0;
  int32_t ReferenceFreqRx = 0;
  int32_t ReferenceFreqTx = 0;
  int32_t IFFrequency = 0;
  int32_t Prescalar = 0;
  int32_t N2 = 0;
  int32_t R2 = 0;
  int32_t FreqMax = 0;
  int32_t FreqMin = 0;
  int32_t M1_Numerator = 0;
  int32_t M2_Numerator = 0;
  int32_t M3_Numerator = 0;
  int32_t Def_M1_Scalar = 0;
  int32_t Def_M2_Scalar = 0;
  int32_t Def_M3_Scalar = 0;
  int16_t Lo_SideInjection = 0;
  std::string Display;
  std::string Code;
  std::string Divisor;
  double BaseProcessFreqA = 0;
  double BaseProcessFreqB = 0;
  double TCXOVerificationFactor = 0;

  bool operator==(const BandLimitsRecord&) const = default;
};

// The band codes in table order: the record at index i is the band BandCodes()[i].
std::vector<std::string> BandCodes();

// This thread's table; empty until InitBandLimits has run on this thread.
const std::vector<BandLimitsRecord>& BandLimitsTable();

// Rebuilds this thread's table from gobjCalParameters, one band code after the other.
void InitBandLimits();

// Fills one record from the parameter tables of the band. Fields read before a
// failing parameter keep their new values.
void InitialiseBand(const std::string& band, BandLimitsRecord& record);

}  // namespace vx4820cal
