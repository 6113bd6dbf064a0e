// One whole host session through dlopen of the built library: the host creates the
// tier by name, initialises it, drives the four objects it fetches, terminates and
// releases it, and nothing of the session stays alive.
#include <gtest/gtest.h>

#include "e2e/e2e_fixture.h"
#include "host/host_queries.h"
#include "vx4820cal/interfaces/imessenger.h"
#include "vx4820cal/message_box_values.h"

namespace vx4820cal {
namespace {

using simhost::FrequencyRanges;
using simhost::HostSession;
using simhost::SimHost;
using Texts = std::vector<std::string>;

constexpr int32_t kYes = kAnswerYes;
constexpr int32_t kNo = kAnswerNo;
constexpr int32_t kShutdownFailed = Imessenger::kStatusRadioCommandsFailed;
const FrequencyRanges kVhf = {136000, 174000, 136000, 174000, "6.25/12.5"};
const FrequencyRanges k800 = {762000, 776000, 851000, 870000, "12.5/25"};

// The delegate's bands, the connected radio, and the current provider on band 3.
void ScriptHost(HostSession& session) {
  SimHost& host = session.Host();
  host.delegate_owner->SetBands({"A4 136-174 MHz", "K5 762-870 MHz"});
  host.delegate_owner->SetFrequencyRanges(1, kVhf);
  host.delegate_owner->SetFrequencyRanges(3, k800);
  host.messenger->SetConnectedRadio("VX4820 High Power Tx", "K5", "210", "Default");
  std::shared_ptr<simhost::SimProvider> provider = host.tier_data->ProviderFor("VX4820CAL.0003");
  provider->SetValue("Band_r5k", 1, Variant(int32_t{3}));
  provider->SetListID("Band_r5k", 831);
}

// The form change of a closing form, refused by the delegate the first time.
bool LeaveFormRefusedOnce(HostSession& session, int32_t retry_answer) {
  SimHost& host = session.Host();
  host.messenger->SetStatus(kShutdownFailed);
  host.messenger->SetSetting("CommPortNumber", "4");
  host.messenger->ScriptMessageBoxAnswers({retry_answer});
  host.delegate_validator->ScriptAnswers("FormValidationByFormName", {false, true});
  std::string form = "frmCalibration";
  return session.Objects().validator->FormValidationByFormName(form, true);
}

void ExpectTheMainJob(HostSession& session) {
  SimHost& host = session.Host();
  Itier& tier = *session.Tier();
  const simhost::TierObjects& objects = session.Objects();
  EXPECT_EQ(tier.TierKey(), "VX4820CAL.0003");
  EXPECT_EQ(host.schema_module->SchemaFilePaths().size(), 1u);

  simhost::ComboItems bands = simhost::AskComboItems(*objects.provider_owner, tier.CurrentProvider(), "Band_r5k");
  EXPECT_TRUE(bands.answer);
  EXPECT_EQ(bands.items, (Texts{"Undefined", "A4 136-174 MHz", "K5 762-870 MHz"}));
  EXPECT_TRUE(simhost::AskFrequencyRanges(*objects.provider_owner, 1) == kVhf);
  EXPECT_TRUE(simhost::AskCurrentFrequencyRanges(*objects.provider_owner) == k800);

  // The store the delegate received answers for the radio the messenger describes.
  std::shared_ptr<Itier> self = session.Tier();
  std::shared_ptr<Collection> table =
      host.delegate->ReceivedCalParameters()->GetTableForConnectedRadio(self, "TxPower");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Count(), 3);
  EXPECT_EQ(simhost::TableValues(table, {"PowerSetPointLow", "PowerSetPointHigh", "PaBiasDac"}),
            (Texts{"5000", "15000", "385"}));

  simhost::FieldMetadata band = simhost::AskFieldMetadata(*objects.user_interface, "Band_r5k");
  EXPECT_TRUE(band.defined);
  EXPECT_EQ(band.label, "Frequency band");
  EXPECT_EQ(band.width, 1200);
  EXPECT_EQ(simhost::AskFieldMetadata(*objects.user_interface, "RSSI_DELTA_GAIN_VALUES").grid, "RssiCalGrid");
  EXPECT_FALSE(simhost::AskFieldMetadata(*objects.user_interface, "NO_SUCH_FIELD").defined);

  int32_t item = 1, count = 4;
  EXPECT_TRUE(objects.validator->AddRecord(item, count));
  EXPECT_EQ(host.delegate_validator->Log().CallsTo("AddRecord").at(0).args, (Texts{"1", "4"}));
  std::shared_ptr<Iprovider> provider = tier.CurrentProvider();
  std::string grid = "RSSI_DELTA_GAIN_VALUES";
  EXPECT_TRUE(objects.provider_owner->PostAddProcessing(provider, grid));

  host.messenger->ScriptMessageBoxAnswers({kYes});
  EXPECT_TRUE(objects.validator->RunPreProgramValidation());
  EXPECT_EQ(host.messenger->Log().CallsTo("MessageBox").at(0).args[2], "CAL DATA OVERWRITE WARNING");

  EXPECT_TRUE(LeaveFormRefusedOnce(session, kYes));
  auto ports = host.messenger->Log().CallsTo("PortCommand");
  ASSERT_EQ(ports.size(), 2u);
  EXPECT_EQ(ports[0].args, (Texts{"0", "4"}));
  EXPECT_EQ(ports[1].args, (Texts{"1", "4"}));
  EXPECT_EQ(host.messenger->Log().Count("ReportFailure"), 0);
}

TEST(HostSession, RunsTheMainJobAndReleasesEverything) {
  test_support::InstalledComponent component;
  int records_alive = -1;
  std::weak_ptr<Itier> tier = test_support::InSession(
      component.Setup(),
      [&](HostSession& session) {
        ScriptHost(session);
        ASSERT_TRUE(test_support::StartSession(session));
        EXPECT_EQ(session.Host().schema_module->SchemaFilePaths().at(0),
                  (component.Folder() / "VX4820CAL_UI.mdb").string());
        ExpectTheMainJob(session);
        session.Terminate();
        EXPECT_TRUE(test_support::BoxTexts(session).empty());
        EXPECT_EQ(session.TerminationRequests(), 0);
      },
      [&](HostSession& session) { records_alive = session.Host().tier_data->LiveRecords(); });
  EXPECT_EQ(records_alive, 0);
  EXPECT_TRUE(tier.expired());
}

TEST(HostSession, ThePersonsAnswersDecideProgrammingAndTheRetry) {
  test_support::InstalledComponent component;
  for (int32_t answer : {kYes, kNo}) {
    SCOPED_TRACE(answer);
    test_support::InSession(component.Setup(), [&](HostSession& session) {
      ASSERT_TRUE(test_support::StartSession(session));
      SimHost& host = session.Host();
      host.messenger->ScriptMessageBoxAnswers({answer});
      EXPECT_EQ(session.Objects().validator->RunPreProgramValidation(), answer == kYes);
      EXPECT_EQ(LeaveFormRefusedOnce(session, answer), answer == kYes);
      EXPECT_EQ(host.messenger->Log().Count("ReportFailure"), answer == kYes ? 0 : 1);
      EXPECT_EQ(host.messenger->Log().Count("PortCommand"), answer == kYes ? 2 : 0);
      EXPECT_TRUE(test_support::BoxTexts(session).empty());
    });
  }
}

TEST(HostSession, HostsArgumentsReachTheDelegateAsTheComponentPassesThem) {
  test_support::InstalledComponent component;
  test_support::InSession(component.Setup(), [](HostSession& session) {
    ASSERT_TRUE(test_support::StartSession(session));
    SimHost& host = session.Host();
    ItierValidator& validator = *session.Objects().validator;
    // The host's closing flag does not reach the delegate: it is asked as for a closing form.
    std::string form = "frmCalibration";
    EXPECT_TRUE(validator.FormValidationByFormName(form, false));
    EXPECT_EQ(host.delegate_validator->Log().CallsTo("FormValidationByFormName").at(0).args,
              (Texts{"frmCalibration", "True"}));
    // A record number the delegate changes comes back from ExitFocus, not from EnterFocus.
    host.delegate_validator->ChangeRecordNumberTo(9);
    Variant value(int32_t{5});
    int32_t record = 2;
    EXPECT_TRUE(validator.EnterFocusByUIID("TX_POWER_HIGH", value, record));
    EXPECT_EQ(record, 2);
    std::string uiid = "TX_POWER_HIGH";
    EXPECT_TRUE(validator.ExitFocusByUIID(uiid, value, record));
    EXPECT_EQ(record, 9);
  });
}

TEST(HostSession, ReadsItsDataFromAFolderApartFromTheLibrary) {
  test_support::InstalledComponent library_only(std::vector<std::string>{});
  test_support::InstalledComponent data;
  simhost::HostSessionSetup setup = library_only.Setup();
  setup.data_folder = data.Folder();
  test_support::InSession(
      setup,
      [&](HostSession& session) {
        EXPECT_TRUE(std::filesystem::equivalent(session.Api().ComponentFolder(), data.Folder()));
        EXPECT_TRUE(test_support::StartSession(session));
        EXPECT_TRUE(std::filesystem::exists(data.Folder() / "PARAMETERS.dat"));
      },
      [&](HostSession& session) {
        EXPECT_TRUE(std::filesystem::equivalent(session.Api().ComponentFolder(), library_only.Folder()));
      });
}

}  // namespace
}  // namespace vx4820cal
