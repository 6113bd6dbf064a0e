#pragma once
// The calibration parameter store as a COM object: IcalParameters, and the same three
// operations on the class's own default interface.
#include "com/dispatch_object.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

using CalParametersBase = DispatchObject<vx4820cal::IcalParameters, ::_clsCalibrationParameters, ::IcalParameters>;

class CalParametersObject final : public CalParametersBase {
 public:
  using CalParametersBase::CalParametersBase;

  HRESULT STDMETHODCALLTYPE GetTableForConnectedRadio(::Itier** objTier, BSTR strTable, ::Icollection** Table) override;
  HRESULT STDMETHODCALLTYPE GetTable(BSTR strBand, BSTR strModel, short intHWVersion, BSTR strTable,
                                     BSTR strRadioOption, ::Icollection** Table) override;
  HRESULT STDMETHODCALLTYPE LoadFile(BSTR strFilename, VARIANT_BOOL* Loaded) override;
};

}  // namespace vx4820cal::com
