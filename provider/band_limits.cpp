#include "provider/band_limits.h"

#include <memory>
#include <string_view>

#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/project_globals.h"
#include "common/text.h"
#include "provider/band_limits_fields.h"
#include "vx4820cal/collection.h"

namespace vx4820cal {
namespace {

constexpr std::string_view kBandCodeList = "A4|B1|C0|D1|G2|H5|H6|H7|K5";

// The radio the band constants are stated for in the parameters file.
constexpr const char* kParameterModel = "LR2930 Cal";
constexpr int16_t kParameterHWVersion = 0;
constexpr const char* kParameterRadioOption = "Default";

thread_local std::vector<BandLimitsRecord> tlsBandLimitsTable;

// Converts the parameter's value to the field's type, as the run time converts a text.
void Assign(int32_t& field, const Variant& value) { field = ToLong(value); }
void Assign(int16_t& field, const Variant& value) { field = ToInteger(value); }
void Assign(std::string& field, const Variant& value) { field = ToText(value); }
void Assign(double& field, const Variant& value) { field = ToDouble(value); }

void Fill(BandLimitsRecord& record, const BandLimitsField& field, const Variant& value) {
  std::visit([&](auto member) { Assign(record.*member, value); }, field.member);
}

}  // namespace

std::vector<std::string> BandCodes() { return Split(kBandCodeList, "|"); }

const std::vector<BandLimitsRecord>& BandLimitsTable() { return tlsBandLimitsTable; }

void InitBandLimits() {
  TrapAndReport("InitBandLimits", [] {
    std::vector<std::string> codes = BandCodes();
    tlsBandLimitsTable.assign(codes.size(), BandLimitsRecord{});
    for (size_t i = 0; i < codes.size(); ++i) InitialiseBand(codes[i], tlsBandLimitsTable[i]);
  });
}

void InitialiseBand(const std::string& band, BandLimitsRecord& record) {
  TrapAndReport("InitialiseBand", [&] {
    std::shared_ptr<IcalParameters> store = Required(gobjCalParameters);
    // Both lookups are made before either answer is looked at.
    std::shared_ptr<Collection> limits =
        store->GetTable(band, kParameterModel, kParameterHWVersion, kBandLimitsTableName, kParameterRadioOption);
    std::shared_ptr<Collection> factor =
        store->GetTable(band, kParameterModel, kParameterHWVersion, kTcxoFactorTableName, kParameterRadioOption);
    // No table at all: the lookup has already reported its own failure.
    if (!limits) return;
    for (const BandLimitsField& field : BandLimitsFields()) {
      const std::shared_ptr<Collection>& table =
          std::string_view(field.table) == kBandLimitsTableName ? limits : factor;
      Fill(record, field, Required(table)->Item(std::string_view(field.name)));
    }
  });
}

}  // namespace vx4820cal
