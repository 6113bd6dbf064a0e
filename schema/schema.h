#pragma once
// The tier's schema: model records, tier lists, menu list and version paths.
#include <memory>

#include "vx4820cal/interfaces/itierschema.h"

namespace vx4820cal {

std::shared_ptr<ItierSchema> NewSchema();

}  // namespace vx4820cal
