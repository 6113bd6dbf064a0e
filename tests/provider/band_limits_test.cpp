#include "provider/band_limits.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/error_convention.h"
#include "common/project_globals.h"
#include "fake_cal_parameters.h"
#include "host/message_box_recorder.h"
#include "provider/band_limits_fields.h"
#include "support/test_support.h"
#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

using test_support::CountingTerminator;
using test_support::FakeCalParameters;
using test_support::OnFreshThread;

const std::vector<std::string> kCodes = {"A4", "B1", "C0", "D1", "G2", "H5", "H6", "H7", "K5"};

// The values a full parameters file holds for band number n (from 1), as texts.
struct BandValues {
  std::vector<std::pair<std::string, std::string>> limits;
  std::string factor;
};

BandValues ValuesFor(int n, const std::string& code) {
  BandValues values;
  int whole = 0;
  for (const auto& field : BandLimitsFields()) {
    std::string name = field.name;
    if (name == "TCXOVerificationFactor") break;
    std::string text;
    if (name == "Lo_SideInjection")
      text = std::to_string(-n);
    else if (name == "Display")
      text = "Band " + code;
    else if (name == "Code")
      text = code;
    else if (name == "Divisor")
      text = "1/" + std::to_string(n);
    else if (name == "BaseProcessFreqA")
      text = std::to_string(n) + ".5";
    else if (name == "BaseProcessFreqB")
      text = "-" + std::to_string(n) + "e3";
    else
      text = std::to_string(n * 1000 + ++whole);
    values.limits.emplace_back(name, text);
  }
  values.factor = "0.00" + std::to_string(n);
  return values;
}

BandLimitsRecord ExpectedFor(int n, const std::string& code) {
  BandLimitsRecord r;
  int32_t* wholes[] = {&r.BandType,
                       &r.TCXO,
                       &r.ReferenceFreqRx,
                       &r.ReferenceFreqTx,
                       &r.IFFrequency,
                       &r.Prescalar,
                       &r.N2,
                       &r.R2,
                       &r.FreqMax,
                       &r.FreqMin,
                       &r.M1_Numerator,
                       &r.M2_Numerator,
                       &r.M3_Numerator,
                       &r.Def_M1_Scalar,
                       &r.Def_M2_Scalar,
                       &r.Def_M3_Scalar};
  int k = 0;
  for (int32_t* field : wholes) *field = n * 1000 + ++k;
  r.Lo_SideInjection = static_cast<int16_t>(-n);
  r.Display = "Band " + code;
  r.Code = code;
  r.Divisor = "1/" + std::to_string(n);
  r.BaseProcessFreqA = n + 0.5;
  r.BaseProcessFreqB = -n * 1000.0;
  r.TCXOVerificationFactor = n / 1000.0;
  return r;
}

// A store holding both tables for all nine codes; the limits table also carries a
// TCXOVerificationFactor of its own, which must not be the one taken.
std::shared_ptr<FakeCalParameters> FullStore() {
  auto store = std::make_shared<FakeCalParameters>();
  for (size_t i = 0; i < kCodes.size(); ++i) {
    BandValues values = ValuesFor(static_cast<int>(i) + 1, kCodes[i]);
    Collection& limits = store->Table(kCodes[i], "BandLimits");
    for (const auto& [name, text] : values.limits) limits.Add(Variant(text), name);
    limits.Add(Variant("999"), "TCXOVerificationFactor");
    store->Table(kCodes[i], "cvCscTCXOVerificationFactor").Add(Variant(values.factor), "TCXOVerificationFactor");
  }
  return store;
}

// Runs body on a fresh thread with store as the parameter store, "." as the
// separator and, when armed, reporting to recorded boxes and a counting terminator.
struct BandScene {
  std::shared_ptr<simhost::MessageBoxRecorder> boxes = std::make_shared<simhost::MessageBoxRecorder>();
  std::shared_ptr<CountingTerminator> terminator = std::make_shared<CountingTerminator>();
};

template <class Body>
void WithStore(std::shared_ptr<FakeCalParameters> store, bool armed, Body body) {
  OnFreshThread([&] {
    BandScene scene;
    SetDecimalSymbolOverride(".");
    InstallMessageBoxService(scene.boxes);
    if (armed) InitRaiseError(scene.terminator);
    gobjCalParameters = store;
    body(scene);
    gobjCalParameters.reset();
    InstallMessageBoxService(nullptr);
  });
}

TEST(InitBandLimits, FillsNineRecordsInCodeOrderFromBothTables) {
  auto store = FullStore();
  WithStore(store, true, [&](BandScene& scene) {
    InitBandLimits();
    ASSERT_EQ(BandCodes(), kCodes);
    const auto& table = BandLimitsTable();
    ASSERT_EQ(table.size(), 9u);
    for (size_t i = 0; i < table.size(); ++i) {
      EXPECT_EQ(table[i], ExpectedFor(static_cast<int>(i) + 1, kCodes[i])) << kCodes[i];
    }
    EXPECT_TRUE(scene.boxes->Boxes().empty());
    EXPECT_EQ(scene.terminator->calls, 0);
  });
  // Two lookups per band, limits first, for the delegate's model, version 0, "Default".
  ASSERT_EQ(store->lookups.size(), 18u);
  for (size_t i = 0; i < store->lookups.size(); ++i) {
    const auto& lookup = store->lookups[i];
    EXPECT_EQ(lookup.band, kCodes[i / 2]);
    EXPECT_EQ(lookup.table, i % 2 == 0 ? "BandLimits" : "cvCscTCXOVerificationFactor");
    EXPECT_EQ(lookup.model, "LR2930 Cal");
    EXPECT_EQ(lookup.hw_version, 0);
    EXPECT_EQ(lookup.radio_option, "Default");
  }
}

TEST(InitBandLimits, BandWithoutDivisorKeepsItsFirstNineteenFieldsAndTheRestAreStillFilled) {
  auto store = FullStore();
  store->Table("D1", "BandLimits").Remove(std::string_view("Divisor"));
  WithStore(store, true, [&](BandScene& scene) {
    InitBandLimits();
    const auto& table = BandLimitsTable();
    ASSERT_EQ(table.size(), 9u);
    BandLimitsRecord partial = ExpectedFor(4, "D1");
    partial.Divisor.clear();
    partial.BaseProcessFreqA = partial.BaseProcessFreqB = partial.TCXOVerificationFactor = 0;
    EXPECT_EQ(table[3], partial);
    for (size_t i = 4; i < table.size(); ++i) EXPECT_EQ(table[i], ExpectedFor(static_cast<int>(i) + 1, kCodes[i]));
    ASSERT_EQ(scene.boxes->Boxes().size(), 1u);
    EXPECT_EQ(scene.boxes->Boxes()[0].title, "Programming Application");
    EXPECT_EQ(scene.boxes->Boxes()[0].style, 16);
    EXPECT_EQ(scene.boxes->Boxes()[0].text, "VX4820CAL: InitialiseBand\r\nInvalid procedure call or argument");
    EXPECT_EQ(scene.terminator->calls, 1);
  });
}

TEST(InitBandLimits, UnarmedTheFirstFailedBandEndsTheBuildWithBothLines) {
  auto store = FullStore();
  store->Table("C0", "BandLimits").Remove(std::string_view("BandType"));
  WithStore(store, false, [&](BandScene&) {
    try {
      InitBandLimits();
      ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 5);
      EXPECT_EQ(error.Description(),
                "VX4820CAL: InitBandLimits\r\nVX4820CAL: InitialiseBand\r\nInvalid procedure call or argument");
    }
    const auto& table = BandLimitsTable();
    ASSERT_EQ(table.size(), 9u);
    EXPECT_EQ(table[1], ExpectedFor(2, "B1"));
    EXPECT_EQ(table[2], BandLimitsRecord{});
    EXPECT_EQ(table[3], BandLimitsRecord{});
  });
}

// A value that does not convert to its field's type stops the band at that field.
TEST(InitialiseBand, ValuesConvertAsTheRunTimeConvertsATextOrFail) {
  struct Case {
    std::string field, text;
    int32_t error;  // 0: converts
    std::function<bool(const BandLimitsRecord&)> holds;
  };
  const std::vector<Case> cases = {
      {"TCXO", "12.5", 0, [](const auto& r) { return r.TCXO == 12; }},  // half to even
      {"TCXO", " 13.5 ", 0, [](const auto& r) { return r.TCXO == 14; }},
      {"FreqMax", "2147483647", 0, [](const auto& r) { return r.FreqMax == 2147483647; }},
      {"Lo_SideInjection", "-32768", 0, [](const auto& r) { return r.Lo_SideInjection == -32768; }},
      {"Display", "  two  spaces ", 0, [](const auto& r) { return r.Display == "  two  spaces "; }},
      {"FreqMax", "2147483648", 6, [](const auto& r) { return r.FreqMin == 0 && r.FreqMax == 0; }},
      {"Lo_SideInjection", "32768", 6, [](const auto& r) { return r.Def_M3_Scalar == 1016 && r.Display.empty(); }},
      {"N2", "12 MHz", 13, [](const auto& r) { return r.Prescalar == 1006 && r.N2 == 0; }},
      {"BaseProcessFreqA", "1,5", 13, [](const auto& r) { return r.Divisor == "1/1" && r.BaseProcessFreqA == 0; }},
  };
  for (const auto& c : cases) {
    auto store = FullStore();
    Collection& limits = store->Table("A4", "BandLimits");
    limits.Remove(std::string_view(c.field));
    limits.Add(Variant(c.text), c.field);
    WithStore(store, false, [&](BandScene&) {
      BandLimitsRecord record;
      if (c.error == 0) {
        EXPECT_NO_THROW(InitialiseBand("A4", record)) << c.field << '=' << c.text;
      } else {
        try {
          InitialiseBand("A4", record);
          ADD_FAILURE() << c.field << '=' << c.text << ": no error";
        } catch (const Error& error) {
          EXPECT_EQ(error.Number(), c.error) << c.field << '=' << c.text;
          EXPECT_EQ(error.Description().rfind("VX4820CAL: InitialiseBand\r\n", 0), 0u);
        }
      }
      EXPECT_TRUE(c.holds(record)) << c.field << '=' << c.text;
    });
  }
}

TEST(InitialiseBand, ReadsDecimalsWithTheUsersSeparatorAndKeysInAnyCase) {
  auto store = std::make_shared<FakeCalParameters>();
  Collection& limits = store->Table("H7", "BandLimits");
  for (const auto& [name, text] : ValuesFor(8, "H7").limits) limits.Add(Variant(text), UCase(name));
  limits.Remove(std::string_view("BaseProcessFreqA"));
  limits.Add(Variant("8,25"), "baseprocessfreqa");
  store->Table("H7", "cvCscTCXOVerificationFactor").Add(Variant("0,5"), "tcxoverificationfactor");
  WithStore(store, false, [&](BandScene&) {
    SetDecimalSymbolOverride(",");
    BandLimitsRecord record;
    InitialiseBand("H7", record);
    EXPECT_EQ(record.BaseProcessFreqA, 8.25);
    EXPECT_EQ(record.TCXOVerificationFactor, 0.5);
    EXPECT_EQ(record.Code, "H7");
  });
}

TEST(InitialiseBand, NoLimitsTableLeavesTheRecordAloneAfterBothLookups) {
  auto store = FullStore();
  store->AnswerNone("B1", "BandLimits");
  WithStore(store, true, [&](BandScene& scene) {
    BandLimitsRecord record;
    record.Display = "kept";
    InitialiseBand("B1", record);
    EXPECT_EQ(record.Display, "kept");
    EXPECT_EQ(record.BandType, 0);
    EXPECT_TRUE(scene.boxes->Boxes().empty());
  });
  ASSERT_EQ(store->lookups.size(), 2u);
  EXPECT_EQ(store->lookups[1].table, "cvCscTCXOVerificationFactor");
}

TEST(InitialiseBand, NoFactorTableFailsAfterTheLimitsAreRead) {
  auto store = FullStore();
  store->AnswerNone("C0", "cvCscTCXOVerificationFactor");
  WithStore(store, true, [&](BandScene& scene) {
    BandLimitsRecord record;
    InitialiseBand("C0", record);
    BandLimitsRecord expected = ExpectedFor(3, "C0");
    expected.TCXOVerificationFactor = 0;
    EXPECT_EQ(record, expected);
    ASSERT_EQ(scene.boxes->Boxes().size(), 1u);
    EXPECT_EQ(scene.boxes->Boxes()[0].text,
              "VX4820CAL: InitialiseBand\r\nObject variable or With block variable not set");
    EXPECT_EQ(scene.terminator->calls, 1);
  });
}

TEST(InitBandLimits, WithoutAStoreEveryBandReportsAndTheTableIsEmptyRecords) {
  WithStore(nullptr, true, [&](BandScene& scene) {
    InitBandLimits();
    EXPECT_EQ(BandLimitsTable(), std::vector<BandLimitsRecord>(9));
    EXPECT_EQ(scene.boxes->Boxes().size(), 9u);
    EXPECT_EQ(scene.terminator->calls, 9);
  });
}

TEST(InitBandLimits, ASecondBuildStartsFromScratch) {
  auto full = FullStore();
  auto none = std::make_shared<FakeCalParameters>();
  for (const auto& code : kCodes) none->AnswerNone(code, "BandLimits");
  WithStore(full, true, [&](BandScene&) {
    InitBandLimits();
    ASSERT_EQ(BandLimitsTable()[8], ExpectedFor(9, "K5"));
    gobjCalParameters = none;
    InitBandLimits();
    EXPECT_EQ(BandLimitsTable(), std::vector<BandLimitsRecord>(9));
  });
}

TEST(BandLimitsTable, EachThreadHasItsOwn) {
  WithStore(FullStore(), true, [&](BandScene&) {
    InitBandLimits();
    ASSERT_EQ(BandLimitsTable().size(), 9u);
    OnFreshThread([] { EXPECT_TRUE(BandLimitsTable().empty()); });
    EXPECT_EQ(BandLimitsTable().size(), 9u);
  });
}

}  // namespace
}  // namespace vx4820cal
