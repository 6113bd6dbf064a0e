// The tier user interface: the ten lookups, the per-thread load of the field data
// file and the call on the host's schema module.
#include "ui/tier_ui.h"

#include <gtest/gtest.h>

#include "host/sim_delegate_tier.h"
#include "host/sim_schema_module.h"
#include "ui/user_interface_module.h"
#include "ui_test_helpers.h"

namespace vx4820cal {
namespace {

using test_support::OnArmedThread;
using test_support::Reports;
using test_support::TempDir;
using Lines = std::vector<std::string>;

constexpr const char* kFields =
    "UIID\tLABEL\tHELPID\tUNIT\tUIWIDTHDEFAULT\tFACTACCESSLEVEL\tFACTBUTCUSTVIS\tCUSTACCESSLEVEL\t"
    "SPCLRESTRICTIONS\tATGRIDID\tDECIMALSYMBOL\tNAVLABEL\r\n"
    "RSSI_CAL_FREQUENCY_PTS\tRSSI frequency\t48110\tMHz\t1200\t20\t0\t60\tReadOnly\tRssiCalGrid\t1\tReceiver\r\n"
    "Band_r5k\tBand\t48010\r\n";

// A component folder of its own for the thread, holding the given field data file.
struct FolderWithFields {
  TempDir dir;
  explicit FolderWithFields(const std::string& fields) {
    dir.Write("VX4820CAL_UI_U.dat", fields);
    SetThreadComponentFolder(dir.Path());
  }
  ~FolderWithFields() { SetThreadComponentFolder({}); }
};

std::shared_ptr<ItierUserInterface> InitialisedUI(ObjectRef schema_module = nullptr, bool* result = nullptr) {
  std::shared_ptr<ItierUserInterface> ui = NewTierUI();
  std::shared_ptr<Itier> tier;
  bool ok = ui->InitialiseUserInterface(tier, schema_module);
  if (result) *result = ok;
  return ui;
}

// Every lookup's answer for uiid, "-" where it answered false and left the
// caller's value alone; a changed value on a false answer shows as "changed".
Lines Answers(ItierUserInterface& ui, const std::string& uiid) {
  Lines answers;
  auto note = [&](bool answered, bool untouched, std::string shown) {
    answers.push_back(answered ? shown : untouched ? "-" : "changed");
  };
  std::string key = uiid;
  std::string text = "caller's";
  int16_t level = -7;
  int32_t number = -7;
  bool flag = true;
  bool answered = ui.GetATGridIDByUIID(key, text);
  note(answered, text == "caller's", text);
  answered = ui.GetCustAccessLevelByUIID(key, level);
  note(answered, level == -7, std::to_string(level));
  text = "caller's";
  answered = ui.GetNavLabelByUIID(key, text);
  note(answered, text == "caller's", text);
  answered = ui.GetHelpIdByUIID(key, number);
  note(answered, number == -7, std::to_string(number));
  number = -7;
  answered = ui.GetUIWidthByUIID(key, number);
  note(answered, number == -7, std::to_string(number));
  text = "caller's";
  answered = ui.GetLabelByUIID(key, text);
  note(answered, text == "caller's", text);
  text = "caller's";
  answered = ui.GetUnitsByUIID(key, text);
  note(answered, text == "caller's", text);
  level = -7;
  answered = ui.GetFactoryVisible(key, level);
  note(answered, level == -7, std::to_string(level));
  flag = true;
  answered = ui.GetCustVisInFact(key, flag);
  note(answered, flag, flag ? "true" : "false");
  flag = true;
  answered = ui.GetDecimalSymbolByUIID(key, flag);
  note(answered, flag, flag ? "true" : "false");
  EXPECT_EQ(key, uiid) << "the UIID is only read";
  return answers;
}

const Lines kNoAnswers(10, "-");

TEST(TierUI, LookupsAnswerFromTheRecordInAnyLetterCase) {
  OnArmedThread([](Reports& reports) {
    FolderWithFields folder(kFields);
    auto ui = InitialisedUI();
    // Slot order: grid, customer level, navigation, help, width, label, units,
    // factory level, customer-visible flag, decimal symbol.
    const Lines rssi{"RssiCalGrid", "60", "Receiver", "48110", "1200", "RSSI frequency", "MHz", "20", "false", "true"};
    EXPECT_EQ(Answers(*ui, "RSSI_CAL_FREQUENCY_PTS"), rssi);
    EXPECT_EQ(Answers(*ui, "rssi_cal_frequency_pts"), rssi);
    // A short line: the reader's defaults, units "units" and customer level 40.
    EXPECT_EQ(Answers(*ui, "BAND_R5K"), (Lines{"", "40", "", "48010", "0", "Band", "units", "0", "false", "false"}));
    EXPECT_EQ(reports.Texts(), Lines{});
  });
}

TEST(TierUI, UndefinedFieldAnswersFalseAndLeavesTheCallersValues) {
  OnArmedThread([](Reports& reports) {
    FolderWithFields folder(kFields);
    auto ui = InitialisedUI();
    for (const char* uiid : {"NOT_DEFINED", "", "1"}) EXPECT_EQ(Answers(*ui, uiid), kNoAnswers) << uiid;
    EXPECT_EQ(reports.Texts(), Lines{});
  });
}

TEST(TierUI, SchemaModuleIsGivenTheDatabasePathInTheComponentFolder) {
  OnArmedThread([](Reports& reports) {
    FolderWithFields folder(kFields);
    auto schema_module = std::make_shared<simhost::SimSchemaModule>();
    bool result = false;
    auto ui = InitialisedUI(schema_module, &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(schema_module->SchemaFilePaths(), Lines{(folder.dir.Path() / "VX4820CAL_UI.mdb").string()});
    EXPECT_EQ(Answers(*ui, "Band_r5k")[5], "Band");  // the data file came from the same folder
    EXPECT_EQ(reports.Texts(), Lines{});
  });
}

TEST(TierUI, WithoutSchemaModuleTheDataFileIsStillLoaded) {
  OnArmedThread([](Reports&) {
    FolderWithFields folder(kFields);
    bool result = false;
    auto ui = InitialisedUI(nullptr, &result);
    EXPECT_TRUE(result);
    EXPECT_TRUE(gblnUserFieldsLoaded);
    EXPECT_EQ(gcolUserFields->Count(), 2);
  });
}

TEST(TierUI, SecondUserInterfaceOfTheThreadDoesNotReadTheFileAgain) {
  OnArmedThread([](Reports& reports) {
    FolderWithFields folder(kFields);
    auto schema_module = std::make_shared<simhost::SimSchemaModule>();
    auto first = InitialisedUI(schema_module);
    folder.dir.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\r\nBand_r5k\tChanged\r\nNew\tNew\r\n");
    bool result = false;
    auto second = InitialisedUI(schema_module, &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(schema_module->SchemaFilePaths().size(), 2u);  // the schema module is told every time
    EXPECT_EQ(Answers(*second, "Band_r5k")[5], "Band");
    EXPECT_EQ(Answers(*second, "New"), kNoAnswers);
    EXPECT_EQ(Answers(*first, "RSSI_CAL_FREQUENCY_PTS"), Answers(*second, "RSSI_CAL_FREQUENCY_PTS"));
    EXPECT_EQ(reports.Texts(), Lines{});
  });
}

TEST(TierUI, MissingDataFileLeavesTheThreadWithoutFieldsForGood) {
  OnArmedThread([](Reports& reports) {
    TempDir dir;
    SetThreadComponentFolder(dir.Path());
    bool result = false;
    auto ui = InitialisedUI(nullptr, &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(Answers(*ui, "Band_r5k"), kNoAnswers);
    dir.Write("VX4820CAL_UI_U.dat", kFields);
    auto later = InitialisedUI(nullptr, &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(Answers(*later, "Band_r5k"), kNoAnswers);
    EXPECT_EQ(reports.Texts(), Lines{});
    EXPECT_EQ(reports.terminator->calls, 0);
    SetThreadComponentFolder({});
  });
}

TEST(TierUI, DuplicateInTheDataFileIsReportedOnceAndDoesNotFailInitialisation) {
  OnArmedThread([](Reports& reports) {
    FolderWithFields folder("UIID\tLABEL\r\nBand_r5k\tFirst\r\nBAND_R5K\tSecond\r\nScanGroupNumber\tScan group\r\n");
    bool result = false;
    auto ui = InitialisedUI(nullptr, &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(Answers(*ui, "band_r5k")[5], "First");
    EXPECT_EQ(Answers(*ui, "ScanGroupNumber")[5], "Scan group");
    InitialisedUI(nullptr, &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(reports.Texts(),
              Lines{"VX4820CAL: Add\r\nThis key is already associated with an element of this collection"});
  });
}

TEST(TierUI, UnreadableDataFileKeepsWhatWasReadBeforeTheBadLine) {
  OnArmedThread([](Reports& reports) {
    FolderWithFields folder("UIID\tHELPID\r\nBand_r5k\t1\r\nScanGroupNumber\tone\r\n");
    bool result = false;
    auto ui = InitialisedUI(nullptr, &result);
    EXPECT_TRUE(result);
    EXPECT_TRUE(gblnUserFieldsLoaded);
    EXPECT_EQ(Answers(*ui, "Band_r5k")[3], "1");
    EXPECT_EQ(Answers(*ui, "ScanGroupNumber"), kNoAnswers);
    EXPECT_EQ(reports.Texts(), Lines{"VX4820CAL: ReadInDataFromTextFile\r\nType mismatch"});
  });
}

struct SchemaFailure {
  const char* name;
  std::function<ObjectRef()> make_module;
  std::string report;
};

class FailingSchemaModule : public ::testing::TestWithParam<SchemaFailure> {};

// The module procedure reports and fails before the data file is read, so the
// thread has no collection and every lookup fails with 91 under its own name.
TEST_P(FailingSchemaModule, FailsInitialisationBeforeTheDataFileIsRead) {
  const SchemaFailure& c = GetParam();
  OnArmedThread([&](Reports& reports) {
    FolderWithFields folder(kFields);
    bool result = true;
    auto ui = InitialisedUI(c.make_module(), &result);
    EXPECT_FALSE(result);
    EXPECT_FALSE(gblnUserFieldsLoaded);
    EXPECT_EQ(reports.Texts(), Lines{c.report});
    EXPECT_EQ(reports.terminator->calls, 1);

    reports.boxes->Clear();
    std::string uiid = "Band_r5k", label = "caller's";
    EXPECT_FALSE(ui->GetLabelByUIID(uiid, label));
    EXPECT_EQ(label, "caller's");
    EXPECT_EQ(reports.Texts(), Lines{"VX4820CAL: ItierUserInterface_GetLabelByUIID\r\n"
                                     "Object variable or With block variable not set"});
  });
}

INSTANTIATE_TEST_SUITE_P(
    TierUI, FailingSchemaModule,
    ::testing::Values(
        SchemaFailure{"CallRaisesAnError",
                      [] {
                        auto module = std::make_shared<simhost::SimSchemaModule>();
                        module->FailWith(70, "Cannot write the schema file");
                        return ObjectRef(module);
                      },
                      "VX4820CAL: InitialiseUserInterface\r\nCannot write the schema file"},
        SchemaFailure{"ModuleLacksTheMethod",
                      [] {
                        auto module = std::make_shared<simhost::SimSchemaModule>();
                        module->OfferCreateSchemaFile(false);
                        return ObjectRef(module);
                      },
                      "VX4820CAL: InitialiseUserInterface\r\nObject doesn't support this property or method"},
        SchemaFailure{"ObjectTakesNoCallsByName", [] { return std::make_shared<Object>(); },
                      "VX4820CAL: InitialiseUserInterface\r\nObject doesn't support this property or method"}),
    [](const ::testing::TestParamInfo<SchemaFailure>& info) { return std::string(info.param.name); });

TEST(TierUI, FailedSchemaCallLetsALaterInitialisationLoadTheFile) {
  OnArmedThread([](Reports&) {
    FolderWithFields folder(kFields);
    auto failing = std::make_shared<simhost::SimSchemaModule>();
    failing->FailWith(70, "Cannot write the schema file");
    bool result = true;
    InitialisedUI(failing, &result);
    EXPECT_FALSE(result);
    auto ui = InitialisedUI(std::make_shared<simhost::SimSchemaModule>(), &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(Answers(*ui, "Band_r5k")[5], "Band");
  });
}

TEST(TierUI, EachThreadLoadsItsOwnCopy) {
  OnArmedThread([](Reports&) {
    FolderWithFields folder(kFields);
    auto ui = InitialisedUI();
    std::filesystem::path shared_folder = folder.dir.Path();
    folder.dir.Write("VX4820CAL_UI_U.dat", "UIID\tLABEL\r\nBand_r5k\tOther thread's band\r\n");
    OnArmedThread([&](Reports& other_reports) {
      SetThreadComponentFolder(shared_folder);
      EXPECT_FALSE(gblnUserFieldsLoaded);
      auto other = InitialisedUI();
      EXPECT_EQ(Answers(*other, "Band_r5k")[5], "Other thread's band");
      EXPECT_EQ(Answers(*other, "RSSI_CAL_FREQUENCY_PTS"), kNoAnswers);
      EXPECT_EQ(other_reports.Texts(), Lines{});
    });
    EXPECT_EQ(Answers(*ui, "Band_r5k")[5], "Band");
  });
}

TEST(TierUI, HoldsItsTierUntilReleased) {
  OnArmedThread([](Reports&) {
    FolderWithFields folder(kFields);
    std::shared_ptr<ItierUserInterface> ui = NewTierUI();
    std::shared_ptr<Itier> tier = std::make_shared<simhost::SimDelegateTier>();
    std::weak_ptr<Itier> watch = tier;
    ObjectRef no_module;
    EXPECT_TRUE(ui->InitialiseUserInterface(tier, no_module));
    tier.reset();
    EXPECT_FALSE(watch.expired());
    ui.reset();
    EXPECT_TRUE(watch.expired());
  });
}

}  // namespace
}  // namespace vx4820cal
