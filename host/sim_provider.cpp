#include "host/sim_provider.h"

#include "vx4820cal/error.h"

namespace vx4820cal::simhost {

int32_t SimField::State() {
  ++state_reads_;
  return state_;
}

Variant SimField::Value(int32_t lngRecordNr) {
  auto it = values_.find(lngRecordNr);
  if (it == values_.end()) throw RuntimeError(err::kSubscriptOutOfRange);
  return it->second;
}

void SimField::Value(int32_t lngRecordNr, const Variant& vntValue) {
  if (lngRecordNr < 1) throw RuntimeError(err::kSubscriptOutOfRange);
  values_[lngRecordNr] = vntValue;
}

int16_t SimProvider::GetListID(std::string& UIID) {
  log_.Record("GetListID", {UIID});
  auto it = list_ids_.find(UIID);
  return it == list_ids_.end() ? int16_t{-1} : it->second;
}

std::shared_ptr<Ifield> SimProvider::Field(std::string strFieldID) {
  log_.Record("Field", {strFieldID});
  auto it = fields_.find(strFieldID);
  if (it == fields_.end()) {
    throw Error(err::kInvalidArgument, "SimProvider", "Field '" + strFieldID + "' not found in provider");
  }
  return it->second;
}

std::shared_ptr<SimField> SimProvider::AddField(const std::string& name) {
  auto& field = fields_[name];
  if (!field) field = std::make_shared<SimField>();
  return field;
}

}  // namespace vx4820cal::simhost
