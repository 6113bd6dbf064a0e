// The user's decimal separator as Windows gives it: the user's own setting in the
// registry (sDecimal under "Control Panel\International") wins over the locale's.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "calparams/calibration_parameter.h"
#include "common/decimal_symbol.h"
#include "support/test_support.h"

namespace vx4820cal {
namespace {

constexpr const char* kInternational = "Control Panel\\International";

// The user's sDecimal set for the life of the object, and put back afterwards.
class UserDecimalSetting {
 public:
  explicit UserDecimalSetting(const std::string& separator) {
    char old[16];
    DWORD size = sizeof old;
    if (::RegGetValueA(HKEY_CURRENT_USER, kInternational, "sDecimal", RRF_RT_REG_SZ, nullptr, old, &size) ==
        ERROR_SUCCESS) {
      old_ = old;
    }
    Set(separator);
  }
  ~UserDecimalSetting() {
    if (old_) {
      Set(*old_);
    } else {
      ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kInternational, "sDecimal");
    }
  }

 private:
  static void Set(const std::string& separator) {
    LSTATUS status = ::RegSetKeyValueA(HKEY_CURRENT_USER, kInternational, "sDecimal", REG_SZ, separator.c_str(),
                                       static_cast<DWORD>(separator.size() + 1));
    ASSERT_EQ(status, ERROR_SUCCESS) << "cannot set the user's decimal separator";
  }

  std::optional<std::string> old_;
};

TEST(DecimalSymbol, TheUsersOwnSeparatorAndTheValuesStoredWithIt) {
  UserDecimalSetting comma(",");
  test_support::OnFreshThread([] {
    EXPECT_EQ(DecimalSymbol(), ",");
    std::string value = "12.8";
    clsCalibrationParameter record(1);
    record.SetParameterInformation("T", "N", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", value);
    EXPECT_EQ(record.GetValue(), "12,8");
  });
}

TEST(DecimalSymbol, ThePointOfTheDefaultUserLocale) {
  UserDecimalSetting point(".");
  test_support::OnFreshThread([] { EXPECT_EQ(DecimalSymbol(), "."); });
}

}  // namespace
}  // namespace vx4820cal
