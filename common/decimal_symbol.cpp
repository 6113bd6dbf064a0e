// The user's decimal separator, read from the POSIX locale without touching the
// process's global locale.
#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <optional>

#include "common/common_globals.h"
#include "common/error_convention.h"
#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

thread_local std::optional<std::string> tlsOverride;

// Looking the locale up costs far more than the getenv calls, and decimal values are
// converted by the thousand while a file loads: remember the last answer per name.
thread_local std::string tlsCachedLocaleName;
thread_local std::string tlsCachedSymbol;
thread_local bool tlsCacheValid = false;

std::string UserNumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// First UTF-8 character of text.
std::string FirstCharacter(const char* text) {
  if (text == nullptr || *text == '\0') return {};
  unsigned char lead = static_cast<unsigned char>(*text);
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::string first(text, length);
  return first.size() == length ? first : std::string();
}

std::string LookUpSeparator(const std::string& locale_name) {
  locale_t locale = newlocale(LC_NUMERIC_MASK, locale_name.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return {};
  std::string symbol = FirstCharacter(nl_langinfo_l(RADIXCHAR, locale));
  freelocale(locale);
  return symbol;
}

}  // namespace

void SetDecimalSymbolOverride(std::optional<std::string> symbol) { tlsOverride = std::move(symbol); }

std::string DecimalSymbol() {
  return TrapAndRaiseAgain("DecimalSymbol", [&]() -> std::string {
    if (tlsOverride) return *tlsOverride;
    std::string name = UserNumericLocaleName();
    if (!tlsCacheValid || name != tlsCachedLocaleName) {
      tlsCachedSymbol = LookUpSeparator(name);
      tlsCachedLocaleName = std::move(name);
      tlsCacheValid = true;
    }
    return tlsCachedSymbol;
  });
}

}  // namespace vx4820cal
