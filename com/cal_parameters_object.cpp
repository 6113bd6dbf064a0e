#include "com/cal_parameters_object.h"

#include "com/bstr_text.h"
#include "com/by_reference.h"

namespace vx4820cal::com {

HRESULT CalParametersObject::GetTableForConnectedRadio(::Itier** objTier, BSTR strTable, ::Icollection** Table) {
  *Table = nullptr;
  return Run([&] {
    ObjectInOut<vx4820cal::Itier, ::Itier> tier(objTier);
    StoreOut(Table, core().GetTableForConnectedRadio(tier.value, Utf8FromBstr(strTable)));
  });
}

HRESULT CalParametersObject::GetTable(BSTR strBand, BSTR strModel, short intHWVersion, BSTR strTable,
                                      BSTR strRadioOption, ::Icollection** Table) {
  *Table = nullptr;
  return Run([&] {
    StoreOut(Table, core().GetTable(Utf8FromBstr(strBand), Utf8FromBstr(strModel), intHWVersion, Utf8FromBstr(strTable),
                                    Utf8FromBstr(strRadioOption)));
  });
}

HRESULT CalParametersObject::LoadFile(BSTR strFilename, VARIANT_BOOL* Loaded) {
  *Loaded = VARIANT_FALSE;
  return Run([&] { StoreBool(Loaded, core().LoadFile(Utf8FromBstr(strFilename))); });
}

}  // namespace vx4820cal::com
