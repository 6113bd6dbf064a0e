#include "ui/user_field.h"

#include "common/conversions.h"
#include "common/error_convention.h"

namespace vx4820cal {

// Only the two access-level writers can fail on their input; every other accessor
// stores or returns its field and needs no trap.
void clsUserField::FactAccessLevel(const std::string& strValue) {
  TrapAndReport("FactAccessLevel Let", [&] { fact_access_level_ = TextToInteger(strValue); });
}

std::string clsUserField::FactAccessLevel() const { return std::to_string(fact_access_level_); }

void clsUserField::CustAccessLevel(const std::string& strValue) {
  TrapAndReport("CustAccessLevel Let", [&] { cust_access_level_ = TextToInteger(strValue); });
}

std::string clsUserField::CustAccessLevel() const { return std::to_string(cust_access_level_); }

}  // namespace vx4820cal
