// Carrying data from an older database version over to the current one.
#include <string_view>

#include "provider/delegate_provider_owner.h"
#include "provider/provider_hooks.h"
#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"

namespace vx4820cal {
namespace {

constexpr const char* kVersionFieldID = "47.DB_CURRENT_CAL_DATABASE_VERSION";
constexpr size_t kVersionDigits = 4;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The last count characters of a UTF-8 text (all of it when shorter).
std::string_view LastCharacters(std::string_view text, size_t count) {
  size_t start = text.size();
  for (size_t taken = 0; taken < count && start > 0; ++taken) {
    do {
      --start;
    } while (start > 0 && IsContinuationByte(text[start]));
  }
  return text.substr(start);
}

}  // namespace

bool BackwardsCompatibility(std::shared_ptr<Itier>& objTier, std::string& SourceKey,
                            std::shared_ptr<Iprovider>& SourceProvider, std::string& DestKey,
                            std::shared_ptr<Iprovider>& DestProvider) {
  bool result = false;
  TrapAndReport("BackwardsCompatibility", [&] {
    // The version is stored as a number, so the key's digits are converted first.
    int32_t version = TextToLong(LastCharacters(DestKey, kVersionDigits));
    Required(Required(DestProvider)->Field(kVersionFieldID))->Value(1, Variant(version));
    result = DelegateProviderOwner()->BackwardsCompatibility(objTier, SourceKey, SourceProvider, DestKey,
                                                             DestProvider);
  });
  return result;
}

}  // namespace vx4820cal
