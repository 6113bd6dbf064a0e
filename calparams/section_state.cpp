#include "calparams/section_state.h"

#include "common/conversions.h"

namespace vx4820cal::calparams {

void SectionState::EnterSection(std::string name) {
  table = std::move(name);
  bands.clear();
  models.clear();
  hw_version_start = -1;
  hw_version_stop = -1;
}

void SectionState::Apply(HeaderKey key, const std::string& value) {
  switch (key) {
    case HeaderKey::kBands: bands = value; break;
    case HeaderKey::kModels: models = value; break;
    case HeaderKey::kHWversStart: hw_version_start = ToHardwareVersion(value); break;
    case HeaderKey::kHWversStop: hw_version_stop = ToHardwareVersion(value); break;
    case HeaderKey::kRadioOptions: radio_options = value; break;
  }
}

int16_t ToHardwareVersion(std::string_view text) { return NarrowToInteger(TextToLong(text)); }

}  // namespace vx4820cal::calparams
