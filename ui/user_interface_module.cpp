#include "ui/user_interface_module.h"

#include "common/error_convention.h"
#include "common/late_bound.h"
#include "vx4820cal/component.h"

namespace vx4820cal {

thread_local std::shared_ptr<colUserFields> gcolUserFields;
thread_local bool gblnUserFieldsLoaded = false;

bool InitialiseUserInterface(const ObjectRef& schema_module) {
  return TrapAndReport("InitialiseUserInterface", false, [&] {
    if (schema_module) {
      std::string database_path = (ComponentFolder() / kUserInterfaceDatabaseName).string();
      CallByName(schema_module, "CreateSchemaFile", {Variant(database_path)});
    }
    if (!gblnUserFieldsLoaded) {
      gcolUserFields = std::make_shared<colUserFields>();
      // A missing file or one the reader gave up on still counts as loaded: the
      // thread keeps what was read for good.
      gcolUserFields->ReadInDataFromTextFile(ComponentFolder() / kUserFieldFileName);
      gblnUserFieldsLoaded = true;
    }
    return true;
  });
}

}  // namespace vx4820cal
