#include "com/cal_parameters_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {
namespace {

// Only the component's own collections can come back: the collection interface has no
// way to read an element's key, so a foreign one could only be copied without its keys
// and then looked up wrongly; it fails with 13 instead.
std::shared_ptr<Collection> CoreCollection(::Icollection* collection) { return CoreAs<Collection>(collection); }

}  // namespace

std::shared_ptr<Collection> CalParametersProxy::GetTableForConnectedRadio(std::shared_ptr<vx4820cal::Itier>& objTier,
                                                                          std::string strTable) {
  ObjectArg<vx4820cal::Itier, ::Itier> tier(objTier);
  Bstr table(strTable);
  ComPtr<::Icollection> result;
  Check(host()->GetTableForConnectedRadio(tier.Place(), table.Get(), result.Out()));
  return CoreCollection(result.Get());
}

std::shared_ptr<Collection> CalParametersProxy::GetTable(std::string strBand, std::string strModel,
                                                         int16_t intHWVersion, std::string strTable,
                                                         std::string strRadioOption) {
  Bstr band(strBand), model(strModel), table(strTable), option(strRadioOption);
  ComPtr<::Icollection> result;
  Check(host()->GetTable(band.Get(), model.Get(), intHWVersion, table.Get(), option.Get(), result.Out()));
  return CoreCollection(result.Get());
}

bool CalParametersProxy::LoadFile(std::string strFilename) {
  Bstr name(strFilename);
  return BoolResult([&](VARIANT_BOOL* out) { return host()->LoadFile(name.Get(), out); });
}

}  // namespace vx4820cal::com
