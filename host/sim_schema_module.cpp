#include "host/sim_schema_module.h"

namespace vx4820cal::simhost {
namespace {

constexpr const char* kSource = "SimHost.SchemaModule";
constexpr const char* kCreateSchemaFile = "CreateSchemaFile";

}  // namespace

Variant SimSchemaModule::Invoke(const std::string& strMethod, std::vector<Variant>& args) {
  if (strMethod != kCreateSchemaFile || !offers_create_schema_file_) throw RuntimeError(err::kNoSuchMethod);
  if (args.size() != 1) throw Error(450, kSource, "Wrong number of arguments or invalid property assignment");
  if (!args[0].IsText()) throw RuntimeError(err::kTypeMismatch);
  log_.Record(kCreateSchemaFile, {args[0].AsTextUnchecked()});
  if (failure_) throw *failure_;
  return Variant(true);
}

void SimSchemaModule::FailWith(int32_t number, std::string description) {
  failure_ = Error(number, kSource, std::move(description));
}

std::vector<std::string> SimSchemaModule::SchemaFilePaths() const {
  std::vector<std::string> paths;
  for (const HostCall& call : log_.CallsTo(kCreateSchemaFile)) paths.push_back(call.args.at(0));
  return paths;
}

}  // namespace vx4820cal::simhost
