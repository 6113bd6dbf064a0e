// Derived fields between their stored and shown form: this tier has none to convert,
// but a derived field the provider lacks is still an error for the caller.
#include "provider/provider_hooks.h"
#include "common/error_convention.h"
#include "common/object_access.h"

namespace vx4820cal {
namespace {

bool TouchDerivedField(std::shared_ptr<Iprovider>& provider, const std::string& field_id) {
  Required(Required(provider)->Field(field_id))->State();
  return false;
}

}  // namespace

bool K5500TransformFromUI(std::shared_ptr<Itier> /*tier*/, std::shared_ptr<Iprovider>& Provider,
                          std::string DerivedFieldID, int32_t& /*RecordNr*/) {
  return TrapAndRaiseAgain("K5500TransformFromUI", [&] { return TouchDerivedField(Provider, DerivedFieldID); });
}

bool K5500TransformToUI(std::shared_ptr<Itier> /*tier*/, std::shared_ptr<Iprovider>& Provider,
                        std::string& DerivedFieldID, int32_t& /*RecordNr*/) {
  return TrapAndRaiseAgain("K5500TransformToUI", [&] { return TouchDerivedField(Provider, DerivedFieldID); });
}

}  // namespace vx4820cal
