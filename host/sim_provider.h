#pragma once
// A host record set: named fields with a value per record, and list identifiers by
// UIID. Fields are created on first write by a test; a field that was never created
// is missing, as in a real provider.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "host/call_log.h"
#include "vx4820cal/interfaces/iprovider.h"

namespace vx4820cal::simhost {

class SimField : public Ifield {
 public:
  int32_t State() override;
  Variant Value(int32_t lngRecordNr) override;
  void Value(int32_t lngRecordNr, const Variant& vntValue) override;

  void SetState(int32_t state) { state_ = state; }
  int StateReads() const { return state_reads_; }
  const std::map<int32_t, Variant>& Values() const { return values_; }

 private:
  int32_t state_ = 0;
  int state_reads_ = 0;
  std::map<int32_t, Variant> values_;
};

class SimProvider : public Iprovider {
 public:
  int16_t GetListID(std::string& UIID) override;
  std::shared_ptr<Ifield> Field(std::string strFieldID) override;

  // Creates the field if needed and returns it.
  std::shared_ptr<SimField> AddField(const std::string& name);
  void SetValue(const std::string& field, int32_t record, const Variant& value) {
    AddField(field)->Value(record, value);
  }
  // The list identifier answered for a UIID; -1 for any UIID not scripted.
  void SetListID(const std::string& uiid, int16_t list_id) { list_ids_[uiid] = list_id; }

  const CallLog& Log() const { return log_; }

 private:
  CallLog log_;
  std::map<std::string, std::shared_ptr<SimField>> fields_;
  std::map<std::string, int16_t> list_ids_;
};

}  // namespace vx4820cal::simhost
