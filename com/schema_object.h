#pragma once
// The tier schema as a COM object (ItierSchema).
#include "com/dispatch_object.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

using SchemaBase = DispatchObject<vx4820cal::ItierSchema, ::ItierSchema>;

class SchemaObject final : public SchemaBase {
 public:
  using SchemaBase::SchemaBase;

  HRESULT STDMETHODCALLTYPE TierMenuList(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE TierList(::IcolProvInfo** out) override;
  HRESULT STDMETHODCALLTYPE GetDBVersionPathForTier(BSTR* TierKey, ::Icollection** VersionPath,
                                                    VARIANT_BOOL* Found) override;
  HRESULT STDMETHODCALLTYPE GetDBVersionPathForTierAndVersion(BSTR* TierName, BSTR* Version,
                                                              ::Icollection** VersionPath,
                                                              VARIANT_BOOL* Found) override;
  HRESULT STDMETHODCALLTYPE GetLatestTierForTierNameAndVersion(BSTR* TierName, BSTR* Version, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE Initialize(::Itier* objTier, SAFEARRAY** astrModels, BSTR* strVersion,
                                       VARIANT_BOOL* Initialized) override;
};

}  // namespace vx4820cal::com
