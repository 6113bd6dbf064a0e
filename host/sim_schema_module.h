#pragma once
// The host's schema module: takes CreateSchemaFile(path) by name and records every
// call. A test may make the call fail, or take the method away altogether.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/call_log.h"
#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/ilatebound.h"

namespace vx4820cal::simhost {

class SimSchemaModule : public IlateBound {
 public:
  // CreateSchemaFile takes one text; any other name fails with 438.
  Variant Invoke(const std::string& strMethod, std::vector<Variant>& args) override;

  // Script.
  // Every later CreateSchemaFile call is recorded and then raises this error.
  void FailWith(int32_t number, std::string description);
  // Without the method, CreateSchemaFile fails with 438 like any unknown name.
  void OfferCreateSchemaFile(bool offered) { offers_create_schema_file_ = offered; }

  // The paths CreateSchemaFile was given, in order.
  std::vector<std::string> SchemaFilePaths() const;
  const CallLog& Log() const { return log_; }

 private:
  CallLog log_;
  std::optional<Error> failure_;
  bool offers_create_schema_file_ = true;
};

}  // namespace vx4820cal::simhost
