#pragma once
// Holds the delegate tier: the host's "LR2930 Cal" tier, which does most of the
// calibration work this tier hands on.
#include <memory>

#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal {

inline constexpr const char* kDelegateTierName = "LR2930 Cal";

class clsLocalTierSupport {
 public:
  std::shared_ptr<Itier> DelegateTier();
  void DelegateTier(std::shared_ptr<Itier> objTier);

 private:
  std::shared_ptr<Itier> delegate_tier_;
};

}  // namespace vx4820cal
