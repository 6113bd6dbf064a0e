// Initialize failing in a whole host session: it answers False, the component shows
// what went wrong once (or, where the schema's quiet trap decides, not at all), and
// the host still ends the session without a crash and without leaving the tier alive.
#include <gtest/gtest.h>

#include "e2e/e2e_fixture.h"

namespace vx4820cal {
namespace {

using simhost::HostSession;

struct FailingSetup {
  const char* name;
  std::vector<std::string> data_files;
  std::function<void(simhost::SimHost&)> script;
  const char* reported_by;  // the first line of the one box
};

std::vector<FailingSetup> ReportedFailures() {
  using test_support::kParametersSource;
  using test_support::kUserFieldFile;
  return {
      {"no LR2930 Cal tier",
       {kParametersSource, kUserFieldFile},
       [](simhost::SimHost& host) { host.messenger->RemoveTier(simhost::kDelegateTierName); },
       "VX4820CAL: Itier_Initialize"},
      {"no parameters file", {kUserFieldFile}, [](simhost::SimHost&) {}, "VX4820CAL: LoadFile"},
      {"schema module without CreateSchemaFile",
       {kParametersSource, kUserFieldFile},
       [](simhost::SimHost& host) { host.schema_module->OfferCreateSchemaFile(false); },
       "VX4820CAL: InitialiseUserInterface"},
  };
}

TEST(FailingInitialize, ReportsOneErrorAndEndsCleanly) {
  for (const FailingSetup& failing : ReportedFailures()) {
    SCOPED_TRACE(failing.name);
    test_support::InstalledComponent component(failing.data_files);
    std::vector<std::string> boxes;
    int requests = -1;
    std::weak_ptr<Itier> tier = test_support::InSession(
        component.Setup(),
        [&](HostSession& session) {
          failing.script(session.Host());
          EXPECT_FALSE(test_support::StartSession(session));
        },
        [&](HostSession& session) {
          boxes = test_support::BoxTexts(session);
          requests = session.TerminationRequests();
        });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(std::string("[Programming Application] ") + failing.reported_by + "\r\n", 0), 0u)
        << boxes[0];
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(tier.expired());
  }
}

TEST(FailingInitialize, AModelTheHostCannotDescribeFailsQuietlyAndKeepsTheRecordsMade) {
  test_support::InstalledComponent component;
  int records_alive = -1;
  std::weak_ptr<Itier> tier = test_support::InSession(
      component.Setup(),
      [](HostSession& session) {
        session.Host().tier_data->FailInitFor("VX4820 Transmitter");
        EXPECT_FALSE(test_support::StartSession(session));
        Itier& tier = *session.Tier();
        EXPECT_EQ(session.Host().tier_data->Log().Count("Init"), 3);
        EXPECT_EQ(session.Host().tier_data->LiveRecords(), 2);
        EXPECT_NE(tier.ProviderOwner(), nullptr);
        EXPECT_NE(tier.Schema(), nullptr);
        EXPECT_EQ(tier.UserInterface(), nullptr);
        EXPECT_EQ(tier.Validator(), nullptr);
        EXPECT_EQ(tier.TierKey(), "");
        EXPECT_TRUE(test_support::BoxTexts(session).empty());
        EXPECT_EQ(session.TerminationRequests(), 0);
      },
      [&](HostSession& session) {
        records_alive = session.Host().tier_data->LiveRecords();
        EXPECT_TRUE(test_support::BoxTexts(session).empty());
      });
  EXPECT_EQ(records_alive, 0);
  EXPECT_TRUE(tier.expired());
}

}  // namespace
}  // namespace vx4820cal
