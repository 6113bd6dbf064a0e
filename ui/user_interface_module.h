#pragma once
// The thread's field metadata: loaded from the UI field data file by the first tier
// user interface of the thread and shared by every later one.
#include <memory>

#include "ui/user_fields.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

inline constexpr const char* kUserFieldFileName = "VX4820CAL_UI_U.dat";
inline constexpr const char* kUserInterfaceDatabaseName = "VX4820CAL_UI.mdb";

// The collection every lookup of this thread reads; none until the first load.
extern thread_local std::shared_ptr<colUserFields> gcolUserFields;
// Set once the data file has been read (or found missing); never cleared.
extern thread_local bool gblnUserFieldsLoaded;

// Hands the host's schema module, when given, the path of the user-interface database
// file, then loads the field metadata unless this thread has it already. False when
// the schema module failed (reported); problems inside the data file do not count.
bool InitialiseUserInterface(const ObjectRef& schema_module);

}  // namespace vx4820cal
