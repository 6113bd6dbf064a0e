// Loading the parameters file: the line format, the section state, the scrambled
// form, where a load stops, and what the records hold.
#include <gtest/gtest.h>

#include "common/batch_ring.h"
#include "common/error_convention.h"
#include "common/scrambling.h"
#include "fixtures/parameters_fixture.h"
#include "host/message_box_recorder.h"

namespace vx4820cal {
namespace {

using test_support::Crlf;
using test_support::Lines;
using test_support::OnFreshThread;
using test_support::ParametersFolder;

// Each record as "line:table|name|bands|models|start-stop|options|value".
template <class Records>
Lines Describe(const Records& records) {
  Lines described;
  for (const clsCalibrationParameter& record : records) {
    const calparams::ParameterConditions* c = record.Conditions();
    if (!c) {
      described.push_back(std::to_string(record.SourceLine()) + ":<unfilled>");
      continue;
    }
    described.push_back(std::to_string(record.SourceLine()) + ":" + c->table->name + "|" + record.ParameterName() +
                        "|" + std::string(c->bands->form) + "|" + std::string(c->models->form) + "|" +
                        std::to_string(c->hw_version_start) + "-" + std::to_string(c->hw_version_stop) + "|" +
                        std::string(c->radio_options->form) + "|" + std::string(record.Value()));
  }
  return described;
}

struct LoadOutcome {
  bool loaded = false;
  int32_t number = -1;
  std::string source;
  std::string error;
  Lines records;
};

// Loads a working copy written byte for byte (no plain source beside it).
LoadOutcome LoadWorkingCopy(const std::string& bytes) {
  ParametersFolder folder;
  folder.WriteWorkingCopy(bytes);
  clsCalibrationParameters store;
  LoadOutcome outcome;
  try {
    outcome.loaded = store.LoadFile("PARAMETERS");
  } catch (const Error& error) {
    outcome.number = error.Number();
    outcome.source = error.Source();
    outcome.error = error.Description();
  }
  outcome.records = Describe(store.Records());
  return outcome;
}

const char* const kSection = "[T]\nBands = B\nModels = M\nHWversStart = 0\nHWversStop = 9\n";

TEST(ParametersLoader, LineFormatAndSectionState) {
  struct Case {
    const char* what;
    std::string text;  // "\n" stands for CR LF
    Lines records;
  } cases[] = {
      {"empty working copy", "", {}},
      {"worked example",
       std::string(test_support::kWorkedExample),
       {"8:BandLimits|BandType|,DEFAULT,|,DEFAULT,|0-9999|,DEFAULT,|1",
        "9:BandLimits|TCXO|,DEFAULT,|,DEFAULT,|0-9999|,DEFAULT,|12.8",
        "15:BandLimits|TCXO|,H5,H6,|,LR2930 Cal,|0-9999|,DEFAULT,|14.4"}},
      {"brackets dropped everywhere, text after them kept",
       "[ Ba[nd]Lim]its] x \nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nN=1\n",
       {"6:BandLimits x|N|,B,|,M,|0-9|,|1"}},
      {"comments cut, names and values trimmed, a value may hold =",
       std::string(kSection) + "  Formula =  a=b ; c=d\n;N=2\nTab\t=\tv\t\n",
       {"6:T|Formula|,B,|,M,|0-9|,|a=b", "8:T|Tab\t|,B,|,M,|0-9|,|\tv\t"}},
      {"key words in any case, anywhere in the line; the first in order wins",
       std::string(kSection) + "my bands are = H5\nRadioOptions = Bands, Models\nN=1\n",
       {"8:T|N|,Bands,Models,|,M,|0-9|,|1"}},
      {"a key without = takes the whole line",
       std::string(kSection) + "  Models \nRadioOptions\nN=1\n",
       {"8:T|N|,B,|,Models,|0-9|,RadioOptions,|1"}},
      {"radio options carry over; a restated key changes the lines below it",
       "[A]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nRadioOptions=O1\nN=1\n"
       "[C]\nBands=B\nModels=M\nHWversStart=1\nHWversStop=2\nN=2\nHWversStop=5\nN=3\n",
       {"7:A|N|,B,|,M,|0-9|,O1,|1", "13:C|N|,B,|,M,|1-2|,O1,|2", "15:C|N|,B,|,M,|1-5|,O1,|3"}},
      {"a lone LF does not end a line", "[T]\nBands = B\nN=1", {}},
      {"Windows-1252 text is decoded",
       std::string(kSection) + "Display = 136\x96"
                               "174 MHz \x81\n",
       {"6:T|Display|,B,|,M,|0-9|,|136\u2013174 MHz \u0081"}},
  };
  for (Case& c : cases) {
    std::string bytes = c.what == std::string("a lone LF does not end a line") ? c.text : Crlf(c.text);
    LoadOutcome outcome = LoadWorkingCopy(bytes);
    EXPECT_TRUE(outcome.loaded) << c.what << ": " << outcome.error;
    EXPECT_EQ(outcome.records, c.records) << c.what;
  }
}

// Records share their texts with the store that loaded them; a copy keeps them.
TEST(ParametersLoader, ACopiedRecordKeepsItsTextsWhenTheStoreIsGone) {
  ParametersFolder folder;
  folder.WriteWorkingCopy(Crlf(std::string(kSection) + "Gain = 12\n[U]\nBands = C\nModels = N\nHWversStart = 1\n" +
                               "HWversStop = 2\nRadioOptions = Opt\nLevel = 3\n"));
  std::vector<clsCalibrationParameter> copies;
  {
    auto store = std::make_unique<clsCalibrationParameters>();
    ASSERT_TRUE(store->LoadFile("PARAMETERS"));
    for (const clsCalibrationParameter& record : store->Records()) copies.push_back(record);
  }
  ASSERT_EQ(copies.size(), 2u);
  std::vector<clsCalibrationParameter> moved = std::move(copies);
  copies.resize(1);
  copies[0] = moved[1];
  moved.pop_back();
  EXPECT_EQ(Describe(moved), Lines({"6:T|Gain|,B,|,M,|0-9|,|12"}));
  EXPECT_EQ(Describe(copies), Lines({"13:U|Level|,C,|,N,|1-2|,Opt,|3"}));
}

TEST(ParametersLoader, LinesThatStopTheLoadKeepTheRecordsBeforeThem) {
  const std::string kFormat = "VX4820CAL: LoadFile\r\nInvalid Parameters File Format";
  const std::string kRefused = "VX4820CAL: LoadFile\r\nVX4820CAL: SetParameterInformation\r\nInvalid Parameter Data";
  const std::string kRecordSource = "clsCalibrationParameter.SetParameterInformation";
  const std::string kKept = std::string(kSection) + "Kept=1\n";
  const Lines kKeptRecord = {"6:T|Kept|,B,|,M,|0-9|,|1"};
  struct Case {
    const char* what;
    std::string text;
    int32_t number;
    std::string source;
    std::string error;
    Lines records;
  } cases[] = {
      {"a tab alone is not blank", kKept + "\t\nLost=2\n", 0, "", kFormat, kKeptRecord},
      {"a header behind spaces is no header", kKept + " [T]\nLost=2\n", 0, "", kFormat, kKeptRecord},
      {"no = and no key word", kKept + "just words\nLost=2\n", 0, "", kFormat, kKeptRecord},
      {"a line beginning with = has no name", kKept + "=5\nLost=2\n", 0, kRecordSource, kRefused, kKeptRecord},
      {"an empty value", kKept + "N=\nLost=2\n", 0, kRecordSource, kRefused, kKeptRecord},
      {"a parameter right after its header", kKept + "[U]\nN=1\n", 0, kRecordSource, kRefused, kKeptRecord},
      {"a parameter before any header", "Bands=B\nModels=M\nN=1\n", 0, kRecordSource, kRefused, {}},
      {"a version out of 0 to 9999", kKept + "HWversStop=10000\nLost=2\n", 0, kRecordSource, kRefused, kKeptRecord},
      {"a version key alone", kKept + "HWversStart\n", 13, "VX4820CAL", "VX4820CAL: LoadFile\r\nType mismatch",
       kKeptRecord},
      {"a version beyond 16 bits", kKept + "HWversStop = 40000\n", 6, "VX4820CAL", "VX4820CAL: LoadFile\r\nOverflow",
       kKeptRecord},
      {"a marker as the last line", kKept + "PCA Set\n", 62, "VX4820CAL",
       "VX4820CAL: LoadFile\r\nInput past end of file", kKeptRecord},
      {"a line after the marker that is not scrambled", kKept + "PCA Set\nN=1\n", 13, "VX4820CAL",
       "VX4820CAL: LoadFile\r\nVX4820CAL: DecryptString\r\nType mismatch", kKeptRecord},
  };
  for (const Case& c : cases) {
    LoadOutcome outcome = LoadWorkingCopy(Crlf(c.text));
    EXPECT_FALSE(outcome.loaded) << c.what;
    EXPECT_EQ(outcome.number, c.number) << c.what;
    EXPECT_EQ(outcome.source, c.source) << c.what;
    EXPECT_EQ(outcome.error, c.error) << c.what;
    EXPECT_EQ(outcome.records, c.records) << c.what;
  }
}

// A file large enough to be read on a second thread loads, and stops, as a small one:
// the same records with the same line numbers, the same error at the same line.
TEST(ParametersLoader, AFileReadAheadLoadsAndStopsAsOneReadInTurn) {
  std::string prefix;
  Lines prefix_records;
  const std::string padding(200, 'v');
  for (size_t i = 0; prefix.size() < kReadAheadFromBytes; ++i) {
    const std::string table = "P" + std::to_string(i % 7);
    const std::string bands = "B" + std::to_string(i % 5);
    prefix += "[" + table + "]\nBands = " + bands + "\nModels = M\nHWversStart = 0\nHWversStop = 9\nP = " + padding +
              std::to_string(i) + "\n";
    prefix_records.push_back(std::to_string(6 * i + 6) + ":" + table + "|P|," + bands + ",|,M,|0-9|,|" + padding +
                             std::to_string(i));
  }
  const size_t shift = 6 * prefix_records.size();
  const std::string kKept = std::string(kSection) + "Kept=1\n";
  const char* const endings[] = {"", "\t\nLost=2\n", "HWversStop = 40000\n", "PCA Set\n", "PCA Set\nN=1\n"};
  for (const char* ending : endings) {
    const LoadOutcome small = LoadWorkingCopy(Crlf(kKept + ending));
    const LoadOutcome large = LoadWorkingCopy(Crlf(prefix + kKept + ending));
    EXPECT_EQ(large.loaded, small.loaded) << ending;
    EXPECT_EQ(large.number, small.number) << ending;
    EXPECT_EQ(large.error, small.error) << ending;
    Lines expected = prefix_records;
    for (const std::string& record : small.records) {
      const size_t colon = record.find(':');
      expected.push_back(std::to_string(std::stoul(record.substr(0, colon)) + shift) + record.substr(colon));
    }
    EXPECT_EQ(large.records, expected) << ending;
  }
}

TEST(ParametersLoader, MarkerSwitchesTheRestOfTheFileToTheScrambledForm) {
  std::string bytes = Crlf(std::string(kSection) + "Plain=1\n") + "PCA Set\r\n" + EncryptString("Scrambled = 2") +
                      "\r\n" + EncryptString("Name = caf\u00e9") + "\r\n" + EncryptString("PCA Set") + "\r\n";
  LoadOutcome outcome = LoadWorkingCopy(bytes);
  EXPECT_EQ(outcome.error, "VX4820CAL: LoadFile\r\nInvalid Parameters File Format");
  // Marker lines are not counted: numbers are those of the plain source.
  EXPECT_EQ(outcome.records,
            (Lines{"6:T|Plain|,B,|,M,|0-9|,|1", "7:T|Scrambled|,B,|,M,|0-9|,|2", "8:T|Name|,B,|,M,|0-9|,|caf\u00e9"}));
}

TEST(ParametersLoader, ReportedRefusalsAppendAnUnfilledRecordAndReadOn) {
  OnFreshThread([] {
    auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    auto terminator = std::make_shared<test_support::CountingTerminator>();
    InitRaiseError(terminator);
    ParametersFolder folder;
    folder.WriteWorkingCopy(Crlf("[T]\nN=1\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nN=2\n"));
    bool loaded = false;
    auto store = folder.Load(&loaded);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(Describe(store->Records()), (Lines{"2:<unfilled>", "7:T|N|,B,|,M,|0-9|,|2"}));
    ASSERT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_EQ(boxes->Boxes()[0].text, "VX4820CAL: SetParameterInformation\r\nInvalid Parameter Data");

    // A line that stops the load is reported once and the load answers false.
    folder.WriteWorkingCopy(Crlf("[T]\n\t\n"));
    store = folder.Load(&loaded);
    EXPECT_FALSE(loaded);
    ASSERT_EQ(boxes->Boxes().size(), 2u);
    EXPECT_EQ(boxes->Boxes()[1].text, "VX4820CAL: LoadFile\r\nInvalid Parameters File Format");
    EXPECT_EQ(boxes->Boxes()[1].title, "Programming Application");
    EXPECT_EQ(terminator->calls, 2);
    InstallMessageBoxService(nullptr);
  });
}

}  // namespace
}  // namespace vx4820cal
