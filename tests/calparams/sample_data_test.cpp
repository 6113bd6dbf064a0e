// The sample parameters file shipped in data/: every band code has the whole
// band-limits record and its verification factor, and no lookup of the models,
// hardware versions and radio options it names fails.
#include <gtest/gtest.h>

#include <set>

#include "fixtures/parameters_fixture.h"

namespace vx4820cal {
namespace {

using test_support::Entries;
using test_support::Lines;

const char* const kBandCodes[] = {"A4", "B1", "C0", "D1", "G2", "H5", "H6", "H7", "K5"};
const char* const kBandLimitsFields[] = {"BandType",
                                         "TCXO",
                                         "ReferenceFreqRx",
                                         "ReferenceFreqTx",
                                         "IFFrequency",
                                         "Prescalar",
                                         "N2",
                                         "R2",
                                         "FreqMax",
                                         "FreqMin",
                                         "M1_Numerator",
                                         "M2_Numerator",
                                         "M3_Numerator",
                                         "Def_M1_Scalar",
                                         "Def_M2_Scalar",
                                         "Def_M3_Scalar",
                                         "Lo_SideInjection",
                                         "Display",
                                         "Code",
                                         "Divisor",
                                         "BaseProcessFreqA",
                                         "BaseProcessFreqB"};

class SampleData : public ::testing::Test {
 protected:
  void SetUp() override {
    // A copy: loading regenerates the working copy beside the source.
    folder_.Dir().Write("PARAMETERS.ini", test_support::ReadFile(test_support::SampleDataFolder() / "PARAMETERS.ini"));
    bool loaded = false;
    store_ = folder_.Load(&loaded);
    ASSERT_TRUE(loaded);
  }
  std::shared_ptr<calparams::ParameterTable> Table(const std::string& band, const std::string& model, int16_t version,
                                                   const std::string& table, const std::string& option) {
    return std::dynamic_pointer_cast<calparams::ParameterTable>(store_->GetTable(band, model, version, table, option));
  }

  test_support::ParametersFolder folder_;
  std::shared_ptr<clsCalibrationParameters> store_;
};

TEST_F(SampleData, EveryBandCodeHasTheWholeBandLimitsRecord) {
  for (const char* code : kBandCodes) {
    auto limits = Table(code, "LR2930 Cal", 0, "BandLimits", "Default");
    ASSERT_TRUE(limits) << code;
    EXPECT_EQ(std::set<std::string>(limits->Names().begin(), limits->Names().end()),
              std::set<std::string>(std::begin(kBandLimitsFields), std::end(kBandLimitsFields)))
        << code;
    EXPECT_EQ(limits->Item(std::string_view("Code")).AsTextUnchecked(), code);
    auto factor = Table(code, "LR2930 Cal", 0, "cvCscTCXOVerificationFactor", "Default");
    ASSERT_TRUE(factor) << code;
    EXPECT_TRUE(factor->ContainsKey("TCXOVerificationFactor")) << code;
  }
}

TEST_F(SampleData, TablesVaryByModelHardwareVersionAndRadioOption) {
  EXPECT_EQ(Entries(Table("H5", "VX4820 Trigger Base Rx", 99, "TriggerTiming", "Default")),
            (Lines{"TriggerDelay=120", "TriggerHoldoff=40"}));
  EXPECT_EQ(Entries(Table("H5", "VX4820 Trigger Base Rx", 100, "TriggerTiming", "Default")),
            (Lines{"TriggerDelay=85", "TriggerHoldoff=25"}));
  EXPECT_EQ(Entries(Table("H5", "VX4820 Standard Rx", 100, "TriggerTiming", "Default")), Lines{});
  EXPECT_EQ(Entries(Table("A4", "VX4820 Standard Rx", 0, "RxSquelch", "Wideband")),
            (Lines{"RssiSlope=0.85", "RssiOffset=-132", "SquelchOpenLevel=-115", "SquelchCloseLevel=-118"}));
  EXPECT_EQ(Entries(Table("K5", "VX4820 High Power Tx", 250, "TxPower", "Default")),
            (Lines{"PowerSetPointLow=5000", "PaBiasDac=385", "PowerSetPointHigh=15000"}));
}

TEST_F(SampleData, NoLookupOfTheNamedRadiosFails) {
  const char* models[] = {"LR2930 Cal", "VX4820 Standard Rx", "VX4820 Trigger Base Rx", "VX4820 Transmitter",
                          "VX4820 High Power Tx"};
  const char* options[] = {"Default", "Wideband", "LowPower", ""};
  std::set<std::string> tables;
  for (const auto& record : store_->Records()) tables.insert(record.Conditions()->table->name);
  for (const std::string& table : tables) {
    for (const char* code : kBandCodes) {
      for (const char* model : models) {
        for (int16_t version : {0, 99, 100, 199, 200, 9999}) {
          for (const char* option : options) {
            EXPECT_TRUE(Table(code, model, version, table, option))
                << table << " " << code << " " << model << " " << version << " " << option;
          }
        }
      }
    }
  }
}

TEST(SampleDataFile, EndsEveryLineWithCrLf) {
  std::string bytes = test_support::ReadFile(test_support::SampleDataFolder() / "PARAMETERS.ini");
  ASSERT_FALSE(bytes.empty());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at byte " << i;
    }
    if (bytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
    }
  }
}

}  // namespace
}  // namespace vx4820cal
