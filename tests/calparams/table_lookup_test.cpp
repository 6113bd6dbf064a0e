// Table lookups: the best-record selection, its ties, the reports of records whose
// check fails, the connected radio, and agreement with a plain scan of every record.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "common/error_convention.h"
#include "fixtures/parameters_fixture.h"
#include "host/message_box_recorder.h"
#include "host/scripted_messenger.h"
#include "host/sim_delegate_tier.h"

namespace vx4820cal {
namespace {

using test_support::Entries;
using test_support::Lines;
using test_support::OnFreshThread;
using test_support::ParametersFolder;

// A store filled straight from records: table, name, bands, models, versions, options, value.
struct RecordSpec {
  const char *table, *name, *bands, *models;
  int16_t start, stop;
  const char *options, *value;
};

std::shared_ptr<clsCalibrationParameters> StoreOf(std::initializer_list<RecordSpec> specs) {
  auto store = std::make_shared<clsCalibrationParameters>();
  size_t line = 0;
  for (const RecordSpec& s : specs) {
    clsCalibrationParameter record(++line);
    std::string value = s.value;
    record.SetParameterInformation(s.table, s.name, s.bands, s.models, s.start, s.stop, s.options, value);
    store->Append(std::move(record));
  }
  return store;
}

// The description of the error a call raises, or "" when it raises none.
template <class Call>
std::string ErrorOf(Call&& call, int32_t* number = nullptr) {
  try {
    call();
  } catch (const Error& error) {
    if (number) *number = error.Number();
    return error.Description();
  }
  return "";
}

const char* const kDuplicateKey =
    "VX4820CAL: GetTable\r\nThis key is already associated with an element of this collection";

TEST(TableLookup, WorkedExampleGivesTheMostSpecificValueOfEachName) {
  ParametersFolder folder;
  folder.WriteSource(test_support::kWorkedExample);
  bool loaded = false;
  auto store = folder.Load(&loaded);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(Entries(store->GetTable("H5", "LR2930 Cal", 0, "BandLimits", "Default")),
            (Lines{"BandType=1", "TCXO=14.4"}));
  EXPECT_EQ(Entries(store->GetTable("A4", "LR2930 Cal", 0, "BandLimits", "Default")),
            (Lines{"BandType=1", "TCXO=12.8"}));
  EXPECT_EQ(Entries(store->GetTable("H5", "LR2930 Cal", 0, "bandlimits ", "Default")),
            (Lines{"BandType=1", "TCXO=14.4"}));
  EXPECT_EQ(Entries(store->GetTable("H5", "LR2930 Cal", 0, "Other", "Default")), Lines{});
  // The answer finds its keys without regard to case and belongs to the caller.
  auto answer = store->GetTable("H5", "LR2930 Cal", 0, "BandLimits", "Default");
  EXPECT_EQ(answer->Item(std::string_view("tcxo")).AsTextUnchecked(), "14.4");
  answer->Remove(std::string_view("TCXO"));
  EXPECT_EQ(Entries(store->GetTable("H5", "LR2930 Cal", 0, "BandLimits", "Default")),
            (Lines{"BandType=1", "TCXO=14.4"}));

  int32_t number = -1;
  EXPECT_EQ(ErrorOf([&] { store->GetTable("H5", "LR2930 Cal", 10000, "BandLimits", "Default"); }, &number),
            "VX4820CAL: GetTable\r\nVX4820CAL: IsMatch\r\nInvalid data");
  EXPECT_EQ(number, 0);
}

TEST(TableLookup, CommaSeparatorUserGetsDecimalValuesWithAComma) {
  ParametersFolder folder;
  folder.WriteSource(test_support::kWorkedExample);
  SetDecimalSymbolOverride(",");
  auto store = folder.Load();
  EXPECT_EQ(Entries(store->GetTable("A4", "LR2930 Cal", 0, "BandLimits", "Default")),
            (Lines{"BandType=1", "TCXO=12,8"}));
}

TEST(TableLookup, SelectionByWeightingAndItsTies) {
  struct Case {
    const char* what;
    std::shared_ptr<clsCalibrationParameters> store;
    Lines answer;  // empty with error set: the lookup fails
    const char* error;
  } cases[] = {
      {"equal default records tie",
       StoreOf({{"T", "N", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "1"},
                {"T", "N", "DEFAULT", "DEFAULT", 5, 20, "DEFAULT", "2"}}),
       {},
       kDuplicateKey},
      {"naming the band breaks the tie",
       StoreOf({{"T", "N", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "1"},
                {"T", "N", "DEFAULT", "DEFAULT", 5, 20, "DEFAULT", "2"},
                {"T", "N", "H5", "DEFAULT", 0, 9999, "DEFAULT", "3"}}),
       {"N=3"},
       ""},
      {"a specific band outweighs model and option",
       StoreOf({{"T", "N", "DEFAULT", "M", 0, 9999, "O", "3"}, {"T", "N", "H5", "DEFAULT", 0, 9999, "DEFAULT", "4"}}),
       {"N=4"},
       ""},
      {"names differing in case collide",
       StoreOf(
           {{"T", "tcxo", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "1"}, {"T", "TCXO", "H5", "M", 0, 9999, "O", "2"}}),
       {},
       kDuplicateKey},
      {"a tie outside the version asked is harmless",
       StoreOf({{"T", "N", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "1"},
                {"T", "N", "DEFAULT", "DEFAULT", 6, 20, "DEFAULT", "2"}}),
       {"N=1"},
       ""},
      {"answer in store order of the best records",
       StoreOf({{"T", "B", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "b0"},
                {"T", "A", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "a0"},
                {"T", "B", "H5", "DEFAULT", 0, 9999, "DEFAULT", "b4"},
                {"t ", "C", "DEFAULT", "M", 0, 9999, "DEFAULT", "c2"}}),
       {"A=a0", "B=b4", "C=c2"},
       ""},
  };
  for (const Case& c : cases) {
    std::shared_ptr<Collection> answer;
    std::string error = ErrorOf([&] { answer = c.store->GetTable("H5", "M", 5, "T", "O"); });
    EXPECT_EQ(error, c.error) << c.what;
    if (error.empty()) {
      EXPECT_EQ(Entries(answer), c.answer) << c.what;
    }
  }
}

TEST(TableLookup, EmptyStoreAnswersAnEmptyTableWithoutCheckingArguments) {
  clsCalibrationParameters store;
  EXPECT_EQ(Entries(store.GetTable("", "", 10000, "", "")), Lines{});
}

TEST(TableLookup, LoadingTheSameFileTwiceMakesEveryFindingLookupFail) {
  ParametersFolder folder;
  folder.WriteSource(test_support::kWorkedExample);
  auto store = folder.Load();
  ASSERT_TRUE(store->LoadFile("PARAMETERS"));
  EXPECT_EQ(store->Records().size(), 6u);
  EXPECT_EQ(ErrorOf([&] { store->GetTable("A4", "LR2930 Cal", 0, "BandLimits", "Default"); }), kDuplicateKey);
  EXPECT_EQ(Entries(store->GetTable("A4", "LR2930 Cal", 0, "Elsewhere", "Default")), Lines{});
}

TEST(TableLookup, ReportedFailuresFollowStoreOrderAndLeaveTheDefaultAnswer) {
  OnFreshThread([] {
    auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    InitRaiseError(std::make_shared<test_support::CountingTerminator>());
    // Lines 2 and 4 are refused and stay in the store unfilled.
    auto store = StoreOf({{"T", "N", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "1"},
                          {"T", "", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "1"},
                          {"U", "N", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", "1"},
                          {"T", "N", "DEFAULT", "DEFAULT", 0, 10000, "DEFAULT", "1"}});
    ASSERT_EQ(boxes->Boxes().size(), 2u);
    boxes->Clear();
    // Each refused record is reported by every lookup; the others still answer.
    EXPECT_EQ(Entries(store->GetTable("B", "M", 0, "T", "")), Lines{"N=1"});
    ASSERT_EQ(boxes->Boxes().size(), 2u);
    EXPECT_EQ(boxes->Boxes()[0].text, "VX4820CAL: IsMatch\r\nInvalid data");
    boxes->Clear();
    // Bad arguments fail every record's check: one report each, and an empty answer.
    EXPECT_EQ(Entries(store->GetTable("B", "M", -1, "T", "")), Lines{});
    EXPECT_EQ(boxes->Boxes().size(), 4u);
    boxes->Clear();
    // A tie is reported once by the lookup, which then answers none.
    store->Append(store->Records()[0]);
    EXPECT_EQ(Entries(store->GetTable("B", "M", 0, "T", "")), Lines{"<none>"});
    ASSERT_EQ(boxes->Boxes().size(), 3u);
    EXPECT_EQ(boxes->Boxes()[2].text, kDuplicateKey);
    InstallMessageBoxService(nullptr);
  });
}

// The lookup as a plain scan: every record checked in store order, every match
// compared with every other, under the lookup's own error path.
std::shared_ptr<Collection> PlainScan(const clsCalibrationParameters& store, const std::string& band,
                                      const std::string& model, int16_t version, const std::string& table,
                                      const std::string& option) {
  std::shared_ptr<Collection> result;
  TrapAndReport("GetTable", [&] {
    std::vector<const clsCalibrationParameter*> matches;
    for (const auto& record : store.Records()) {
      if (record.IsMatch(band, model, version, table, option)) matches.push_back(&record);
    }
    auto answer = std::make_shared<calparams::ParameterTable>();
    for (const auto* p : matches) {
      bool best = true;
      for (const auto* q : matches) {
        if (q->GetParameterName() == p->GetParameterName() && q->GetWeighting() > p->GetWeighting()) best = false;
      }
      if (best) answer->AddParameter(p->GetParameterName(), p->GetValue());
    }
    result = answer;
  });
  return result;
}

struct Outcome {
  Lines entries;
  std::string error;
  std::vector<std::string> reports;
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
  *out << "{entries:";
  for (const auto& entry : outcome.entries) *out << ' ' << entry;
  *out << "; error: " << outcome.error << "; " << outcome.reports.size() << " reports}";
}

std::string Pick(std::mt19937& random, std::initializer_list<const char*> options) {
  return std::string(options.begin()[random() % options.size()]);
}

// Random radios looked up in the store: the indexed lookup must give what the plain
// scan gives, reported or raised.
void ExpectLookupsAgree(clsCalibrationParameters& store, std::mt19937& random, simhost::MessageBoxRecorder& boxes,
                        const std::string& where) {
  for (int query = 0; query < 20; ++query) {
    std::string band = Pick(random, {"H5", "A4", "", "h5 "}), model = Pick(random, {"M", "N", ""});
    const int16_t versions[] = {0, 4, 5, 9999, 10000, -1};
    int16_t version = versions[random() % 6];
    std::string table = Pick(random, {"T", "U", " t", ""}), option = Pick(random, {"O", "", "P", "DEFAULT"});
    auto run = [&](auto&& lookup) {
      Outcome outcome;
      boxes.Clear();
      std::shared_ptr<Collection> answer;
      outcome.error = ErrorOf([&] { answer = lookup(); });
      if (outcome.error.empty()) outcome.entries = Entries(answer);
      for (const auto& box : boxes.Boxes()) outcome.reports.push_back(box.text);
      return outcome;
    };
    Outcome fast = run([&] { return store.GetTable(band, model, version, table, option); });
    Outcome plain = run([&] { return PlainScan(store, band, model, version, table, option); });
    ASSERT_EQ(fast, plain) << where << ": " << band << "/" << model << "/" << version << "/" << table << "/" << option;
  }
}

// Runs body(armed, boxes) on a fresh thread with a message-box recorder, unarmed and
// then armed.
void UnarmedThenArmed(const std::function<void(bool, simhost::MessageBoxRecorder&)>& body) {
  for (bool armed : {false, true}) {
    OnFreshThread([&] {
      auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
      InstallMessageBoxService(boxes);
      if (armed) InitRaiseError(std::make_shared<test_support::CountingTerminator>());
      body(armed, *boxes);
      InstallMessageBoxService(nullptr);
    });
  }
}

// Random stores, refused lines among them, armed and unarmed.
TEST(TableLookup, AgreesWithThePlainScanOfEveryRecord) {
  UnarmedThenArmed([](bool armed, simhost::MessageBoxRecorder& boxes) {
    std::mt19937 random(armed ? 7 : 11);
    for (int round = 0; round < 40; ++round) {
      clsCalibrationParameters store;
      int count = static_cast<int>(random() % 30);
      for (int i = 0; i < count; ++i) {
        clsCalibrationParameter record(static_cast<size_t>(i + 1));
        std::string value = Pick(random, {"1", "2.5", "x"});
        auto start = static_cast<int16_t>(random() % 3 == 0 ? 5 : 0);
        auto stop = static_cast<int16_t>(random() % 3 == 0 ? 4 : 9999);
        TrapQuietly([&] {
          record.SetParameterInformation(
              Pick(random, {"T", "t ", " U", "T", ""}), Pick(random, {"A", "B", "a", "C", "A"}),
              Pick(random, {"DEFAULT", "H5", "H5,A4", "a4"}), Pick(random, {"DEFAULT", "M", "m, N"}), start, stop,
              Pick(random, {"DEFAULT", "", "O", "o,P"}), value);
        });
        store.Append(std::move(record));
      }
      ExpectLookupsAgree(store, random, boxes, "round " + std::to_string(round) + (armed ? " armed" : ""));
    }
  });
}

// A parameters file of sections whose names are mostly distinct (a name per point),
// a few stated again by a later section or in another letter case (ties), and
// sections whose versions make their lines refused.
std::string MostlyDistinctNames(std::mt19937& random) {
  std::vector<std::string> names;
  std::string text;
  auto put = [&](const char* head, const std::string& value, const char* tail = "\n") {
    text.append(head).append(value).append(tail);
  };
  for (int section = 0; section < 30; ++section) {
    put("[", Pick(random, {"T", "t ", "U"}), "]\n");
    put("Bands = ", Pick(random, {"DEFAULT", "H5", "H5,A4", "a4"}));
    put("Models = ", Pick(random, {"DEFAULT", "M", "m, N"}));
    put("HWversStart = ", Pick(random, {"0", "0", "5"}));
    put("HWversStop = ", Pick(random, {"9999", "9999", "4", "10000"}));
    if (random() % 2) put("RadioOptions = ", Pick(random, {"DEFAULT", "O", "o,P"}));
    for (int line = static_cast<int>(random() % 12); line > 0; --line) {
      std::string name = "P";
      name += std::to_string(random() % 100000);
      if (!names.empty() && random() % 8 == 0) name = names[random() % names.size()];
      if (random() % 10 == 0) name = UCase(name) == name ? std::string("p").append(name, 1) : UCase(name);
      names.push_back(name);
      put(name.c_str(), " = ", "");
      put("", Pick(random, {"1", "2.5", "x"}));
    }
  }
  return text;
}

// The same agreement on loaded files of mostly distinct names: the records share one
// pool and keep each name beside its value.
TEST(TableLookup, AgreesWithThePlainScanOnFilesOfMostlyDistinctNames) {
  UnarmedThenArmed([](bool armed, simhost::MessageBoxRecorder& boxes) {
    std::mt19937 random(armed ? 17 : 19);
    for (int round = 0; round < 20; ++round) {
      ParametersFolder folder;
      folder.WriteSource(MostlyDistinctNames(random));
      // Unarmed, a refused line ends the load; the records before it stay.
      clsCalibrationParameters store;
      ErrorOf([&] { store.LoadFile("PARAMETERS"); });
      ExpectLookupsAgree(store, random, boxes, "file " + std::to_string(round) + (armed ? " armed" : ""));
    }
  });
}

TEST(TableLookup, ConnectedRadioIsLookedUpWithTheMessengersDescription) {
  auto store = StoreOf({{"T", "N", "DEFAULT", "DEFAULT", 0, 2, "DEFAULT", "old"},
                        {"T", "N", "DEFAULT", "DEFAULT", 3, 9999, "DEFAULT", "new"},
                        {"T", "N", "H5", "M", 3, 9999, "O", "best"}});
  auto messenger = std::make_shared<simhost::ScriptedMessenger>();
  auto tier = std::make_shared<simhost::SimDelegateTier>();
  tier->SetMessenger(messenger);
  std::shared_ptr<Itier> as_tier = tier;

  messenger->SetConnectedRadio("M", "H4", "3", "Default");
  EXPECT_EQ(Entries(store->GetTableForConnectedRadio(as_tier, "T")), Lines{"N=new"});
  messenger->SetConnectedRadio({"M", "x", "y", "z", "H5", "3", "w", "O"});
  EXPECT_EQ(Entries(store->GetTableForConnectedRadio(as_tier, "T")), Lines{"N=best"});
  EXPECT_EQ(messenger->Log().Count("GetConnectedRadioInfo"), 2);

  struct Case {
    const char *model, *band, *version, *option;
    int32_t number;
    const char* description;
  } cases[] = {
      {"M", "", "3", "O", 0, "VX4820CAL: GetTableForConnectedRadio\r\nInvalid values from connected radio"},
      {"", "H5", "3", "O", 0, "VX4820CAL: GetTableForConnectedRadio\r\nInvalid values from connected radio"},
      {"M", "H5", "", "O", 0, "VX4820CAL: GetTableForConnectedRadio\r\nInvalid values from connected radio"},
      {"M", "H5", "3", "", 0, "VX4820CAL: GetTableForConnectedRadio\r\nInvalid values from connected radio"},
      {"M", "H5", "three", "O", 13, "VX4820CAL: GetTableForConnectedRadio\r\nType mismatch"},
      {"M", "H5", "40000", "O", 6, "VX4820CAL: GetTableForConnectedRadio\r\nOverflow"},
      {"M", "H5", "10000", "O", 0,
       "VX4820CAL: GetTableForConnectedRadio\r\nVX4820CAL: GetTable\r\nVX4820CAL: IsMatch\r\nInvalid data"},
  };
  // An unfilled record would fail its check: the empty texts are refused before it is.
  store->Append(clsCalibrationParameter(99));
  for (const Case& c : cases) {
    messenger->SetConnectedRadio(c.model, c.band, c.version, c.option);
    int32_t number = -1;
    try {
      store->GetTableForConnectedRadio(as_tier, "T");
    } catch (const Error& error) {
      number = error.Number();
      EXPECT_EQ(error.Description(), c.description);
      if (number == 0 && c.version[0] != '1') {
        EXPECT_EQ(error.Source(), "");
      }
    }
    EXPECT_EQ(number, c.number) << c.model << "/" << c.band << "/" << c.version << "/" << c.option;
  }
  std::shared_ptr<Itier> none;
  EXPECT_NE(ErrorOf([&] { store->GetTableForConnectedRadio(none, "T"); }).find("Object variable"), std::string::npos);
}

}  // namespace
}  // namespace vx4820cal
