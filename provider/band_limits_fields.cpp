#include "provider/band_limits_fields.h"

namespace vx4820cal {

#define VX4820CAL_LIMITS_FIELD(name) \
  BandLimitsField { #name, kBandLimitsTableName, &BandLimitsRecord::name }

const std::array<BandLimitsField, kBandLimitsFieldCount>& BandLimitsFields() {
  static const std::array<BandLimitsField, kBandLimitsFieldCount> fields = {
      VX4820CAL_LIMITS_FIELD(BandType),
      VX4820CAL_LIMITS_FIELD(TCXO),
      VX4820CAL_LIMITS_FIELD(ReferenceFreqRx),
      VX4820CAL_LIMITS_FIELD(ReferenceFreqTx),
      VX4820CAL_LIMITS_FIELD(IFFrequency),
      VX4820CAL_LIMITS_FIELD(Prescalar),
      VX4820CAL_LIMITS_FIELD(N2),
      VX4820CAL_LIMITS_FIELD(R2),
      VX4820CAL_LIMITS_FIELD(FreqMax),
      VX4820CAL_LIMITS_FIELD(FreqMin),
      VX4820CAL_LIMITS_FIELD(M1_Numerator),
      VX4820CAL_LIMITS_FIELD(M2_Numerator),
      VX4820CAL_LIMITS_FIELD(M3_Numerator),
      VX4820CAL_LIMITS_FIELD(Def_M1_Scalar),
      VX4820CAL_LIMITS_FIELD(Def_M2_Scalar),
      VX4820CAL_LIMITS_FIELD(Def_M3_Scalar),
      VX4820CAL_LIMITS_FIELD(Lo_SideInjection),
      VX4820CAL_LIMITS_FIELD(Display),
      VX4820CAL_LIMITS_FIELD(Code),
      VX4820CAL_LIMITS_FIELD(Divisor),
      VX4820CAL_LIMITS_FIELD(BaseProcessFreqA),
      VX4820CAL_LIMITS_FIELD(BaseProcessFreqB),
      // The verification factor has a table of its own.
      BandLimitsField{"TCXOVerificationFactor", kTcxoFactorTableName, &BandLimitsRecord::TCXOVerificationFactor},
  };
  return fields;
}

#undef VX4820CAL_LIMITS_FIELD

}  // namespace vx4820cal
