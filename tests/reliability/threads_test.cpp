// Tiers on several host threads at once: each thread initialises its own tier from its
// own component folder, with its own messenger, delegate tier and host records, and
// keeps its own terminator, parameter store, delegate holder, band-limits table and
// field collection. What each thread answers is what the same host gets on one thread.
#include <gtest/gtest.h>

#include <array>
#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "calparams/parameter_line_walker.h"
#include "common/project_globals.h"
#include "common/scrambling.h"
#include "common/text_file.h"
#include "host/message_box_recorder.h"
#include "host/scripted_messenger.h"
#include "host/sim_delegate_provider_owner.h"
#include "host/sim_delegate_tier.h"
#include "host/sim_delegate_validator.h"
#include "host/sim_prov_info.h"
#include "provider/band_limits.h"
#include "support/test_support.h"
#include "tier/local_tier_support.h"
#include "ui/user_interface_module.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces.h"
#include "vx4820cal/tier_events.h"

namespace vx4820cal {
namespace {

using test_support::ReadFile;
using test_support::TempDir;

constexpr int kThreads = 4;
const std::vector<std::string> kModels = {"VX4820 Standard Rx", "VX4820 Trigger Base Rx", "VX4820 Transmitter",
                                          "VX4820 High Power Tx"};

const ComponentApi& Api() { return *vx4820cal_GetComponentApi(); }

std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// One installation: the sample files, with values of its own for band A4 and a
// field of its own, so that an answer shows which installation it came from.
class Site {
 public:
  explicit Site(int number) : number_(number) {
    std::string site = std::to_string(number);
    // Band A4 comes first in the sample file.
    std::string parameters = ReadFile(test_support::SampleDataFolder() / "PARAMETERS.ini");
    parameters = ReplaceFirst(parameters, "FreqMax = 174000000", "FreqMax = 17400" + site + "000");
    parameters = ReplaceFirst(parameters, "Display = 136-174 MHz", "Display = Site " + site);
    dir_.Write("PARAMETERS.ini", parameters);
    dir_.Write("VX4820CAL_UI_U.dat", ReadFile(test_support::SampleDataFolder() / "VX4820CAL_UI_U.txt") +
                                         "Site_Field\tField of site " + site + "\r\n");
  }
  const std::filesystem::path& Folder() const { return dir_.Path(); }
  std::string Version() const { return "000" + std::to_string(number_ + 1); }

 private:
  int number_;
  TempDir dir_;
};

class EventCounter : public IclsVX4820CALTierEvents {
 public:
  void TerminateApplication() override { ++count; }
  int count = 0;
};

// What a thread's tier answered, and (apart, not compared) the per-thread objects
// that gave the answers.
struct Answers {
  std::string tier_key;
  std::vector<std::string> a4_limits;  // NAME=VALUE of the BandLimits table for A4
  std::vector<BandLimitsRecord> band_limits;
  std::vector<std::string> labels;
  int32_t field_count = 0;
  std::vector<std::string> boxes;  // shown on this thread, after the failing lookup
  int terminations = 0;            // TerminateApplication events of this thread's tier

  bool operator==(const Answers&) const = default;
};

struct ThreadObjects {
  const void* store = nullptr;
  const void* support = nullptr;
  const void* fields = nullptr;
  const void* band_limits = nullptr;
};

std::vector<std::string> EntriesOf(const std::shared_ptr<Collection>& table) {
  std::vector<std::string> entries;
  if (!table) return {"<none>"};
  for (int32_t i = 1; i <= table->Count(); ++i) entries.push_back(table->Item(i).AsTextUnchecked());
  return entries;
}

std::string LabelOf(ItierUserInterface& ui, std::string uiid) {
  std::string label = "<none>";
  ui.GetLabelByUIID(uiid, label);
  return label;
}

// The host of one thread: its messenger hands out its own "LR2930 Cal" tier, its
// clsProvInfo records come from its own scenario.
struct ThreadHost {
  std::shared_ptr<simhost::MessageBoxRecorder> boxes = std::make_shared<simhost::MessageBoxRecorder>();
  std::shared_ptr<simhost::ScriptedMessenger> messenger = std::make_shared<simhost::ScriptedMessenger>();
  std::shared_ptr<simhost::SimDelegateTier> delegate = std::make_shared<simhost::SimDelegateTier>();
  std::shared_ptr<simhost::ProvInfoScenario> scenario = std::make_shared<simhost::ProvInfoScenario>();
  std::shared_ptr<EventCounter> events = std::make_shared<EventCounter>();

  explicit ThreadHost(const Site& site) {
    SetThreadComponentFolder(site.Folder());
    SetDecimalSymbolOverride(".");
    InstallMessageBoxService(boxes);
    delegate->SetProviderOwner(std::make_shared<simhost::SimDelegateProviderOwner>());
    delegate->SetValidator(std::make_shared<simhost::SimDelegateValidator>());
    messenger->AddTier(kDelegateTierName, delegate);
    for (const std::string& model : kModels) scenario->AddChain(model, model, {"0001", site.Version()});
    scenario->SetVersionText(site.Version());
    simhost::SetThreadSimProvInfoScenario(Api(), scenario);
  }
  ~ThreadHost() {
    messenger->ClearTiers();
    delegate->ReleaseAll();
    simhost::SetThreadSimProvInfoScenario(Api(), nullptr);
    InstallMessageBoxService(nullptr);
    SetDecimalSymbolOverride(std::nullopt);
    SetThreadComponentFolder({});
  }
};

// Initialises a tier on this thread (after start, when given, lets every thread go at
// once), asks it, and waits at finish, when given, so that every thread's state is
// alive while the objects are compared.
void RunTier(const Site& site, Answers& answers, ThreadObjects& objects, std::latch* start, std::latch* finish) {
  ThreadHost host(site);
  auto tier = std::dynamic_pointer_cast<Itier>(CreateObject("clsVX4820CALTier"));
  std::dynamic_pointer_cast<ItierEventSource>(tier)->Advise(host.events);
  if (start) start->arrive_and_wait();

  EXPECT_TRUE(tier->Initialize("VX4820CAL", std::make_shared<simhost::SimHostValidator>(), host.messenger, nullptr));
  EXPECT_EQ(host.boxes->Boxes().size(), 0u);
  // The thread's holder, store and delegate belong together and to this host.
  EXPECT_EQ(RequiredDelegateTier(), host.delegate);
  EXPECT_EQ(host.delegate->ReceivedCalParameters(), gobjCalParameters);

  answers.tier_key = tier->TierKey();
  answers.a4_limits = EntriesOf(gobjCalParameters->GetTable("A4", "LR2930 Cal", 0, "BandLimits", "Default"));
  answers.band_limits = BandLimitsTable();
  auto ui = tier->UserInterface();
  answers.labels = {LabelOf(*ui, "Site_Field"), LabelOf(*ui, "Band_r5k")};
  answers.field_count = gcolUserFields->Count();
  // A failing lookup is reported on this thread and ends this thread's tier only.
  // (The messenger knows of no connected radio.)
  gobjCalParameters->GetTableForConnectedRadio(tier, "BandLimits");
  for (const auto& box : host.boxes->Boxes()) answers.boxes.push_back(box.title + ": " + box.text);
  answers.terminations = host.events->count;
  objects = {gobjCalParameters.get(), gobjLocalTierSupport.get(), gcolUserFields.get(), &BandLimitsTable()};

  if (finish) finish->arrive_and_wait();
  tier->Terminate();
}

TEST(Threads, FourTiersAtOnceKeepTheirOwnStateAndAnswerAsOnOneThread) {
  std::vector<std::unique_ptr<Site>> sites;
  for (int i = 0; i < kThreads; ++i) sites.push_back(std::make_unique<Site>(i));

  std::array<Answers, kThreads> alone;
  std::array<ThreadObjects, kThreads> alone_objects;
  for (int i = 0; i < kThreads; ++i) {
    std::thread([&, i] { RunTier(*sites[i], alone[i], alone_objects[i], nullptr, nullptr); }).join();
  }

  std::array<Answers, kThreads> together;
  std::array<ThreadObjects, kThreads> objects;
  std::latch start(kThreads), finish(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] { RunTier(*sites[i], together[i], objects[i], &start, &finish); });
  }
  for (auto& thread : threads) thread.join();

  for (int i = 0; i < kThreads; ++i) {
    std::string site = std::to_string(i);
    EXPECT_EQ(together[i], alone[i]) << "thread " << i;
    // Each answer is the thread's own installation's.
    EXPECT_EQ(together[i].tier_key, "VX4820CAL.000" + std::to_string(i + 1));
    ASSERT_EQ(together[i].band_limits.size(), 9u);
    EXPECT_EQ(together[i].band_limits[0].Display, "Site " + site);
    EXPECT_EQ(together[i].band_limits[0].FreqMax, 174000000 + i * 1000);
    EXPECT_EQ(together[i].labels[0], "Field of site " + site);
    EXPECT_NE(together[i].labels[1], "<none>");
    ASSERT_EQ(together[i].boxes.size(), 1u);
    EXPECT_EQ(together[i].boxes[0].rfind("Programming Application: VX4820CAL: GetTableForConnectedRadio\r\n", 0), 0u);
    EXPECT_EQ(together[i].terminations, 1);
    for (int j = 0; j < i; ++j) {
      EXPECT_NE(objects[i].store, objects[j].store);
      EXPECT_NE(objects[i].support, objects[j].support);
      EXPECT_NE(objects[i].fields, objects[j].fields);
      EXPECT_NE(objects[i].band_limits, objects[j].band_limits);
    }
  }
}

// The parameters reader on its own thread hands its batches to the loader's thread:
// every line arrives once and in order, and a loader that stops takes the reader down
// with it.
class CountingHandler : public calparams::ParameterLineHandler {
 public:
  explicit CountingHandler(size_t stop_at) : stop_at_(stop_at) {}
  void OnMarkerAtEnd(const calparams::WalkedLine&) override {}
  void OnUndecodable(const calparams::WalkedLine&, const Error&) override {}
  void OnBadVersion(const calparams::WalkedLine&, const calparams::ParsedLineView&, const Error&) override {}
  void OnParameter(const calparams::WalkedLine& line, const calparams::ParsedLineView& parsed,
                   const calparams::SharedConditions&, const calparams::SectionState&) override {
    if (++parameters == stop_at_) throw RuntimeError(err::kTypeMismatch);
    EXPECT_EQ(line.source_line, parameters + 1);
    EXPECT_EQ(parsed.value, std::to_string(parameters));
  }
  void OnInvalid(const calparams::WalkedLine&) override {}
  size_t parameters = 0;

 private:
  size_t stop_at_;
};

TEST(Threads, TheParametersReaderHandsItsLinesOnInOrderAndStopsWithTheLoader) {
  TempDir dir;
  std::string bytes = "PCA Set\r\n" + EncryptString("[T]") + "\r\n";
  constexpr size_t kLines = 5000;
  for (size_t i = 1; i <= kLines; ++i) bytes += EncryptString("P = " + std::to_string(i)) + "\r\n";
  dir.Write("PARAMETERS.dat", bytes);
  calparams::ParameterLineWalker::Options options;
  options.read_ahead_from_bytes = 0;
  options.lines_per_batch = 7;
  for (size_t stop_at : {kLines + 1, size_t{2500}}) {
    FileLineReader lines(dir / "PARAMETERS.dat");
    CountingHandler handler(stop_at);
    calparams::ParameterLineWalker walker(lines, handler,
                                          calparams::PoolRef<calparams::TextPool>(new calparams::TextPool), options);
    if (stop_at > kLines) {
      walker.Walk();
      EXPECT_EQ(handler.parameters, kLines);
    } else {
      EXPECT_THROW(walker.Walk(), Error);
      EXPECT_EQ(handler.parameters, stop_at);
    }
  }
}

}  // namespace
}  // namespace vx4820cal
