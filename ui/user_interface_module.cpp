#include "ui/user_interface_module.h"

#include "common/error_convention.h"
#include "common/late_bound.h"
#include "vx4820cal/component.h"

namespace vx4820cal {

thread_local std::shared_ptr<colUserFields> gcolUserFields;
thread_local bool gblnUserFieldsLoaded = false;

bool InitialiseUserInterface(const ObjectRef& SchemaModule) {
  bool result = false;
  TrapAndReport("InitialiseUserInterface", [&] {
    if (SchemaModule) {
      std::string database_path = (ComponentFolder() / kUserInterfaceDatabaseName).string();
      CallByName(SchemaModule, "CreateSchemaFile", {Variant(database_path)});
    }
    if (!gblnUserFieldsLoaded) {
      gcolUserFields = std::make_shared<colUserFields>();
      // A missing file or one the reader gave up on still counts as loaded: the
      // thread keeps what was read for good.
      gcolUserFields->ReadInDataFromTextFile(ComponentFolder() / kUserFieldFileName);
      gblnUserFieldsLoaded = true;
    }
    result = true;
  });
  return result;
}

}  // namespace vx4820cal
