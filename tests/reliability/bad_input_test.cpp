// Bad input of every kind a person's editor, an old installation or the host can hand
// the component: each gives the error its reader names, or the answer it specifies,
// the records read before it stay, and nothing else is lost (records of an earlier
// file, the files themselves).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calparams/fixtures/parameters_fixture.h"
#include "common/codepage.h"
#include "common/scrambling.h"
#include "common/text.h"
#include "ui/user_fields.h"

namespace vx4820cal {
namespace {

using test_support::Lines;
using test_support::ParametersFolder;

constexpr int32_t kLoads = -1;  // no error: the file loads
const std::string kMillion(1000000, 'x');
const std::string kFormat = "VX4820CAL: LoadFile\r\nInvalid Parameters File Format";
const std::string kRefused = "VX4820CAL: LoadFile\r\nVX4820CAL: SetParameterInformation\r\nInvalid Parameter Data";

// One record of the store as "table|name|value".
Lines RecordsOf(const clsCalibrationParameters& store) {
  Lines records;
  for (const auto& record : store.Records()) {
    records.push_back(
        record.Conditions()->table->name + "|" + record.ParameterName() + "|" +
        (record.Value().size() > 20 ? std::to_string(record.Value().size()) + " chars" : std::string(record.Value())));
  }
  return records;
}

struct Outcome {
  int32_t number = kLoads;
  std::string description;
};

template <class Read>
Outcome OutcomeOf(Read&& read) {
  Outcome outcome;
  try {
    read();
  } catch (const Error& error) {
    outcome = {error.Number(), error.Description()};
  }
  return outcome;
}

// The parameters file: a good section with one record, the bad line, and a record
// after it; or, for a whole file, the bad bytes alone.
struct ParametersCase {
  const char* kind;
  std::string bad;
  int32_t number;
  std::string description;
  Lines records;  // of this file, after the earlier file's record
  bool whole_file = false;
};

const std::string kBefore = "[T]\r\nBands = B\r\nModels = M\r\nHWversStart = 0\r\nHWversStop = 9\r\nBefore = 1\r\n";
const std::string kAfter = "After = 2\r\n";
const Lines kBeforeOnly = {"T|Before|1"};
const Lines kBeforeAndAfter = {"T|Before|1", "T|After|2"};

TEST(BadInput, ParametersFileKeepsTheRecordsBeforeTheBadLine) {
  const ParametersCase cases[] = {
      {"a tab-only line", "\t\r\n", 0, kFormat, kBeforeOnly},
      {"a header with leading spaces", "  [U]\r\n", 0, kFormat, kBeforeOnly},
      {"\"=\" first", "= 5\r\n", 0, kRefused, kBeforeOnly},
      {"a version above 9999", "HWversStop = 10000\r\n", 0, kRefused, kBeforeOnly},
      {"a version below 0", "HWversStart = -1\r\n", 0, kRefused, kBeforeOnly},
      {"a version beyond 16 bits", "HWversStart = 32768\r\n", 6, "VX4820CAL: LoadFile\r\nOverflow", kBeforeOnly},
      {"an overflowing number", "HWversStop = 99999999999999999999999\r\n", 6, "VX4820CAL: LoadFile\r\nOverflow",
       kBeforeOnly},
      {"a marker as last line", "PCA Set", 62, "VX4820CAL: LoadFile\r\nInput past end of file", kBeforeOnly},
      {"a non-hex scrambled line", "PCA Set\r\n" + EncryptString("N = 3") + "G\r\n", 13,
       "VX4820CAL: LoadFile\r\nVX4820CAL: DecryptString\r\nType mismatch", kBeforeOnly},
      {"a line of a million characters without \"=\"", kMillion + "\r\n", 0, kFormat, kBeforeOnly},
      {"a value of a million characters",
       "Long = " + kMillion + "\r\n",
       kLoads,
       "",
       {"T|Before|1", "T|Long|1000000 chars", "T|After|2"}},
      {"blank lines of lone CRs", "\r\r\r", kLoads, "", kBeforeAndAfter},
      {"a file of only CRs", std::string(100000, '\r'), kLoads, "", {}, true},
      {"an empty file", "", kLoads, "", {}, true},
  };
  for (const ParametersCase& c : cases) {
    ParametersFolder folder;
    // An earlier file's records in the same store must survive whatever follows.
    folder.WriteWorkingCopy("[E]\r\nBands=B\r\nModels=M\r\nHWversStart=0\r\nHWversStop=9\r\nEarlier=0\r\n", "EARLIER");
    std::string bytes = c.whole_file ? c.bad : kBefore + c.bad + (c.bad.starts_with("PCA Set") ? "" : kAfter);
    folder.WriteWorkingCopy(bytes);
    clsCalibrationParameters store;
    ASSERT_TRUE(store.LoadFile("EARLIER"));

    Outcome outcome = OutcomeOf([&] { store.LoadFile("PARAMETERS"); });

    EXPECT_EQ(outcome.number, c.number) << c.kind;
    EXPECT_EQ(outcome.description, c.description) << c.kind;
    Lines expected = {"E|Earlier|0"};
    expected.insert(expected.end(), c.records.begin(), c.records.end());
    EXPECT_EQ(RecordsOf(store), expected) << c.kind;
    EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), bytes) << c.kind << ": the file is read, never changed";
  }
}

// The UI field data file: a header, a good line, the bad line and a line after it.
struct FieldsCase {
  const char* kind;
  std::string file;
  int32_t number;
  std::string description;  // after the reader's own line
  Lines uiids;
};

TEST(BadInput, FieldDataFileKeepsTheRecordsBeforeTheBadLine) {
  const std::string header = "UIID\tLABEL\tHELPID\tCUSTACCESSLEVEL\r\n";
  const std::string before = "Before\tB\r\n";
  const std::string after = "After\tA\r\n";
  const FieldsCase cases[] = {
      {"a tab-only line yields no field", header + before + "\t\r\n" + after, kLoads, "", {"Before", "After"}},
      {"a header with leading spaces names no column", "  UIID\tLABEL\r\n" + before + after, kLoads, "", {}},
      {"a quote-only cell", header + before + "After\t\"\r\n", 5, "Invalid procedure call or argument", {"Before"}},
      {"a cell beyond the header", header + before + "After\tA\t1\t40\tx\r\n", 9, "Subscript out of range", {"Before"}},
      {"an overflowing number", header + before + "After\tA\t99999999999999999999999\r\n", 6, "Overflow", {"Before"}},
      {"an access level beyond 16 bits", header + before + "After\tA\t1\t32768\r\n", 6, "Overflow", {"Before"}},
      {"a marker as last line", "PCA Set\r\n", 62, "Input past end of file", {}},
      {"a non-hex scrambled line",
       "PCA Set\r\n" + EncryptString("UIID") + "\r\n" + EncryptString("Before") + "\r\nXY\r\n",
       13,
       "VX4820CAL: DecryptString\r\nType mismatch",
       {"Before"}},
      {"a label of a million characters",
       header + before + "Long\t" + kMillion + "\r\n" + after,
       kLoads,
       "",
       {"Before", "Long", "After"}},
      {"a file of only CRs", std::string(100000, '\r'), kLoads, "", {}},
      {"an empty file", "", 62, "Input past end of file", {}},
  };
  for (const FieldsCase& c : cases) {
    test_support::TempDir dir;
    dir.Write("fields.dat", c.file);
    colUserFields fields;
    Outcome outcome = OutcomeOf([&] { EXPECT_TRUE(fields.ReadInDataFromTextFile(dir / "fields.dat")) << c.kind; });
    EXPECT_EQ(outcome.number, c.number) << c.kind;
    EXPECT_EQ(outcome.description, c.number == kLoads ? "" : "VX4820CAL: ReadInDataFromTextFile\r\n" + c.description)
        << c.kind;
    Lines uiids;
    fields.ForEach([&](const clsUserField& field) { uiids.push_back(field.UIID()); });
    EXPECT_EQ(uiids, c.uiids) << c.kind;
    if (c.kind == std::string("a label of a million characters")) {
      EXPECT_EQ(fields.Item("LONG")->Label(), kMillion);
    }
    EXPECT_EQ(dir.Read("fields.dat"), c.file) << c.kind;
  }
}

// Texts the host hands in need not be valid UTF-8 nor lie inside Windows-1252: a
// character the data files cannot hold is written as "?", and such a name matches
// only what names every band (or nothing).
TEST(BadInput, TextsFromTheHostOutsideTheCodePage) {
  struct Case {
    const char* kind;
    std::string text;
    std::string stored;  // as the data files hold it once scrambled and read back
  } cases[] = {
      {"invalid UTF-8", "a\xC3(b", "a?(b"},
      {"a lone continuation byte", "\x80x", "?x"},
      {"a truncated sequence at the end", "x\xE2\x82", "x??"},  // each byte of it
      {"a character outside Windows-1252", "\xC4\x80", "?"},    // U+0100
      {"a character beyond the basic plane", "\xF0\x9F\x93\xBB", "?"},
      {"the euro sign, inside Windows-1252", "\xE2\x82\xAC", "\xE2\x82\xAC"},
  };
  ParametersFolder folder;
  folder.WriteSource(test_support::kWorkedExample);
  auto store = folder.Load();
  for (const Case& c : cases) {
    std::string scrambled = EncryptString(c.text);
    EXPECT_EQ(scrambled.size(), 2 * Utf8ToCp1252(c.text).size()) << c.kind << ": two digits per character";
    EXPECT_EQ(DecryptString(scrambled), c.stored) << c.kind;
    EXPECT_EQ(test_support::Entries(store->GetTable(c.text, "LR2930 Cal", 0, "BandLimits", "Default")),
              (Lines{"BandType=1", "TCXO=12.8"}))
        << c.kind << ": as a band, only the default lists match";
    EXPECT_EQ(test_support::Entries(store->GetTable("H5", "LR2930 Cal", 0, c.text, "Default")), Lines{})
        << c.kind << ": as a table, nothing matches";
    colUserFields fields;
    EXPECT_FALSE(fields.Exists(Variant(c.text))) << c.kind;
    EXPECT_EQ(test_support::ErrorNumberOf([&] { fields.Item(c.text); }), err::kInvalidArgument) << c.kind;
  }
}

}  // namespace
}  // namespace vx4820cal
