#include "com/schema_object.h"

#include "com/by_reference.h"
#include "com/collection_object.h"

namespace vx4820cal::com {
namespace {

std::vector<std::string> TextsOf(SAFEARRAY* array) {
  std::vector<std::string> texts;
  if (!array) return texts;
  if (SafeArrayGetDim(array) != 1) throw RuntimeError(err::kTypeMismatch);
  VARTYPE kind = VT_EMPTY;
  Check(SafeArrayGetVartype(array, &kind));
  if (kind != VT_BSTR) throw RuntimeError(err::kTypeMismatch);
  LONG low = 0, high = -1;
  Check(SafeArrayGetLBound(array, 1, &low));
  Check(SafeArrayGetUBound(array, 1, &high));
  for (LONG i = low; i <= high; ++i) {
    BSTR text = nullptr;
    Check(SafeArrayGetElement(array, &i, &text));
    texts.push_back(Utf8FromBstr(text));
    SysFreeString(text);
  }
  return texts;
}

}  // namespace

HRESULT SchemaObject::TierMenuList(BSTR* out) {
  *out = nullptr;
  return Run([&] { *out = BstrFromUtf8(core().TierMenuList()); });
}

HRESULT SchemaObject::TierList(::IcolProvInfo** out) {
  *out = nullptr;
  return Run([&] { StoreOut(out, core().TierList()); });
}

HRESULT SchemaObject::GetDBVersionPathForTier(BSTR* TierKey, ::Icollection** VersionPath, VARIANT_BOOL* Found) {
  return AnswerBool(Found, [&] {
    TextInOut key(TierKey);
    std::shared_ptr<Collection> path;
    bool found = core().GetDBVersionPathForTier(key.value, path);
    StoreOut(VersionPath, path);
    return found;
  });
}

HRESULT SchemaObject::GetDBVersionPathForTierAndVersion(BSTR* TierName, BSTR* Version, ::Icollection** VersionPath,
                                                        VARIANT_BOOL* Found) {
  return AnswerBool(Found, [&] {
    TextInOut name(TierName), version(Version);
    CallerCollection path(VersionPath);
    return core().GetDBVersionPathForTierAndVersion(name.value, version.value, path.value);
  });
}

HRESULT SchemaObject::GetLatestTierForTierNameAndVersion(BSTR* TierName, BSTR* Version, BSTR* out) {
  *out = nullptr;
  return Run([&] {
    TextInOut name(TierName), version(Version);
    *out = BstrFromUtf8(core().GetLatestTierForTierNameAndVersion(name.value, version.value));
  });
}

HRESULT SchemaObject::Initialize(::Itier* objTier, SAFEARRAY** astrModels, BSTR* strVersion,
                                 VARIANT_BOOL* Initialized) {
  return AnswerBool(Initialized, [&] {
    std::vector<std::string> models = TextsOf(astrModels ? *astrModels : nullptr);
    TextInOut version(strVersion);
    return core().Initialize(CoreAs<vx4820cal::Itier>(objTier), models, version.value);
  });
}

}  // namespace vx4820cal::com
