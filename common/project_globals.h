#pragma once
// Per-thread state the tier sets and the other subsystems read: every host thread
// has its own parameter store and delegate holder.
#include <memory>

#include "vx4820cal/interfaces/icalparameters.h"

namespace vx4820cal {

class clsLocalTierSupport;

// The component's one calibration parameter store on this thread.
extern thread_local std::shared_ptr<IcalParameters> gobjCalParameters;

// The holder of the delegate tier on this thread.
extern thread_local std::shared_ptr<clsLocalTierSupport> gobjLocalTierSupport;

// The delegate tier of this thread, failing with 91 when no holder or no tier is set.
std::shared_ptr<Itier> RequiredDelegateTier();

}  // namespace vx4820cal
