#include "schema/schema.h"

namespace vx4820cal {

// Placeholder until the schema lands: creation yields none.
std::shared_ptr<ItierSchema> NewSchema() { return nullptr; }

}  // namespace vx4820cal
