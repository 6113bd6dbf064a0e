// The user's decimal separator as the POSIX locale gives it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "common/decimal_symbol.h"
#include "support/test_support.h"

namespace vx4820cal {
namespace {

class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~EnvironmentVariable() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DecimalSymbol, CommaUnderACommaLocale) {
  test_support::TempDir locales;
  std::string command = "localedef -i de_DE -f UTF-8 '" + (locales / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) {
    GTEST_SKIP() << "SKIPPED LOUDLY: localedef could not generate de_DE.UTF-8 on this machine";
  }
  EnvironmentVariable locpath("LOCPATH", locales.Path().string());
  EnvironmentVariable all("LC_ALL", "de_DE.UTF-8");
  test_support::OnFreshThread([] { EXPECT_EQ(DecimalSymbol(), ","); });
}

TEST(DecimalSymbol, PointUnderTheCLocaleAndEmptyForAnUnknownLocale) {
  {
    EnvironmentVariable all("LC_ALL", "C");
    test_support::OnFreshThread([] { EXPECT_EQ(DecimalSymbol(), "."); });
  }
  EnvironmentVariable all("LC_ALL", "xx_NOWHERE.UTF-8");
  test_support::OnFreshThread([] { EXPECT_EQ(DecimalSymbol(), ""); });
}

}  // namespace
}  // namespace vx4820cal
