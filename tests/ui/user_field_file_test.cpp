// The UI field data file as people write it: cells, quoting, header keywords,
// defaults, conversions, the scrambled form and every way a file can go wrong.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/scrambling.h"
#include "ui/user_fields.h"
#include "ui_test_helpers.h"

namespace vx4820cal {
namespace {

using test_support::DescribeAll;
using test_support::OnArmedThread;
using test_support::OnUnarmedThread;
using test_support::ReaderError;
using test_support::Reports;
using test_support::TempDir;
using Lines = std::vector<std::string>;

constexpr const char* kAllColumns =
    "UIID\tLABEL\tHELPID\tUNIT\tUIWIDTHDEFAULT\tFACTACCESSLEVEL\tFACTBUTCUSTVIS\tCUSTACCESSLEVEL\t"
    "SPCLRESTRICTIONS\tATGRIDID\tDECIMALSYMBOL\tNAVLABEL\r\n";

// A record with nothing but its UIID, as the reader fills it.
std::string Bare(const std::string& uiid) { return uiid + "||0|units|0|0|0|false|40||||false"; }

struct ReadCase {
  const char* name;
  std::string file;
  Lines records;
};

class ReadsFile : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadsFile, IntoRecordsWithoutAnyReport) {
  const ReadCase& c = GetParam();
  OnArmedThread([&](Reports& reports) {
    TempDir dir;
    dir.Write("fields.dat", c.file);
    colUserFields fields;
    EXPECT_TRUE(fields.ReadInDataFromTextFile(dir / "fields.dat"));
    EXPECT_EQ(DescribeAll(fields), c.records);
    EXPECT_EQ(reports.Texts(), Lines{});
  });
}

INSTANTIATE_TEST_SUITE_P(
    UserFieldFile, ReadsFile,
    ::testing::Values(
        ReadCase{"ThreeColumnsLeaveTheRestAtTheReadersDefaults",
                 "UIID\tLABEL\tUNIT\r\nTxPower\tPower\tdBm",
                 {"TxPower|Power|0|dBm|0|0|0|false|40||||false"}},
        ReadCase{"EveryKeywordFillsItsField",
                 std::string(kAllColumns) + "Id\tLbl\t7\tdB\t300\t20\t1\t-1\tReadOnly\tGrid\tTrue\tNav\r\n",
                 {"Id|Lbl|7|dB|300|0|20|true|-1|ReadOnly|Nav|Grid|true"}},
        ReadCase{"KeywordsMatchInAnyCase",
                 "uiid\tuiWidthDefault\tHelpId\tNavLabel\r\nA\t300\t7\tN\r\n",
                 {"A||7|units|300|0|0|false|40||N||false"}},
        ReadCase{"QuotedHeaderCellsNameTheirColumns",
                 "\"UIID\"\t\"Label\"\r\nA\tL\r\n",
                 {"A|L|0|units|0|0|0|false|40||||false"}},
        ReadCase{"ShortLinesKeepDefaults",
                 std::string(kAllColumns) + "A\tOnly a label\r\nB\r\n",
                 {"A|Only a label|0|units|0|0|0|false|40||||false", Bare("B")}},
        ReadCase{"EmptyCellsKeepDefaults",
                 std::string(kAllColumns) + "A\t\t\t\t\t\t\t\t\t\t\tN\r\n",
                 {"A||0|units|0|0|0|false|40||N||false"}},
        ReadCase{"QuotesAreCutFirstAndLastCharacterOnly",
                 "UIID\tUNIT\tLABEL\tNAVLABEL\r\n"
                 "A\t\"\"\t\"Quoted\"\t\"say \"\"hi\"\"\"\r\n"
                 "B\t\"dBm\tx\"\t\"unclosed\r\n",
                 {"A|Quoted|0|units|0|0|0|false|40||say \"\"hi\"\"||false",
                  // a tab inside quotes still separates cells, and a cell that opens a quote
                  // loses its last character whether or not that closes it
                  "B|x\"|0|dB|0|0|0|false|40||unclose||false"}},
        ReadCase{"UnquotingDropsAWholeLastCharacter",
                 "UIID\tLABEL\r\nA\t\"Temp\xE9\r\n",
                 {"A|Temp|0|units|0|0|0|false|40||||false"}},
        ReadCase{"LeadingTabMakesColumnOneEmpty",
                 "\tUIID\tLABEL\r\nignored\tA\tL\r\n\tB\tM\r\n",
                 {"A|L|0|units|0|0|0|false|40||||false", "B|M|0|units|0|0|0|false|40||||false"}},
        ReadCase{"TrailingTabAddsNoCell", "UIID\tLABEL\t\r\nA\tL\t\r\n", {"A|L|0|units|0|0|0|false|40||||false"}},
        ReadCase{"FactButCustVisIsTrueWhenNotZero",
                 "UIID\tFACTBUTCUSTVIS\r\nZero\t0\r\nTwo\t2\r\nMinus\t-1\r\n",
                 {Bare("Zero"), "Two||0|units|0|0|0|true|40||||false", "Minus||0|units|0|0|0|true|40||||false"}},
        ReadCase{"NumbersRoundHalfToEven",
                 "UIID\tHELPID\tUIWIDTHDEFAULT\tFACTACCESSLEVEL\tCUSTACCESSLEVEL\r\n"
                 "A\t12.5\t 7 \t20.5\t-1\r\nB\t13.5\t1e3\t21.5\t-32768\r\n",
                 {"A||12|units|7|0|20|false|-1||||false", "B||14|units|1000|0|22|false|-32768||||false"}},
        ReadCase{
            "PlainDigitsOfAnyLengthAreNumbers",
            "UIID\tHELPID\tUIWIDTHDEFAULT\tFACTACCESSLEVEL\tCUSTACCESSLEVEL\r\n"
            "A\t999999999\t0000000000042\t9999\t32767\r\nB\t1000000000\t0\t00032767\t0\r\n",
            {"A||999999999|units|42|0|9999|false|32767||||false", "B||1000000000|units|0|0|32767|false|0||||false"}},
        ReadCase{"DecimalSymbolTakesWordsOrNumbers",
                 "UIID\tDECIMALSYMBOL\r\nA\tTRUE\r\nB\tfalse\r\nC\t1\r\nD\t-0\r\nE\t007\r\nF\t 0 \r\n"
                 "G\t99999999999\r\nH\t-1\r\nI\t0.4\r\n",
                 {"A||0|units|0|0|0|false|40||||true", Bare("B"), "C||0|units|0|0|0|false|40||||true", Bare("D"),
                  "E||0|units|0|0|0|false|40||||true", Bare("F"), "G||0|units|0|0|0|false|40||||true",
                  "H||0|units|0|0|0|false|40||||true", "I||0|units|0|0|0|false|40||||true"}},
        ReadCase{"LaterColumnOfTheSameKeywordWinsWhenFilled",
                 "LABEL\tUIID\tLABEL\r\nfirst\tA\tsecond\r\nfirst\tB\r\n",
                 {"A|second|0|units|0|0|0|false|40||||false", "B|first|0|units|0|0|0|false|40||||false"}},
        ReadCase{
            "UnknownAndEmptyHeaderColumnsAreIgnored", "UIID\tCOMMENT\t\tUNITS\r\nA\tanything\tx\tdB\r\n", {Bare("A")}},
        ReadCase{"Windows1252IsDecoded",
                 "UIID\tLABEL\tUNIT\r\nPA_TEMP\tTemp\xE9rature \x96 PA\t\xB0"
                 "C\r\n",
                 {"PA_TEMP|Température – PA|0|°C|0|0|0|false|40||||false"}},
        ReadCase{"LoneCrEndsALineLoneLfDoesNot",
                 "UIID\tLABEL\rA\tline\nbreak\rB",
                 {"A|line\nbreak|0|units|0|0|0|false|40||||false", Bare("B")}},
        ReadCase{"TrailingCrLfAddsNoRecord", "UIID\r\nA\r\n", {Bare("A")}},
        ReadCase{"LinesWithoutUIIDAreSkipped",
                 "UIID\tLABEL\r\n\r\nA\r\n\tNo id\r\n\"\"\tQuoted empty id\r\nB\r\n\r\n",
                 {Bare("A"), Bare("B")}},
        ReadCase{"FileWithoutUIIDColumnStoresNothing", "LABEL\tUNIT\r\nL\tdB\r\nM\tdBm\r\n", {}},
        ReadCase{"HeaderOnlyStoresNothing", "UIID\tLABEL", {}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(UserFieldFile, ScrambledFileIsDescrambledLineByLine) {
  OnArmedThread([](Reports& reports) {
    TempDir dir;
    dir.Write("plain.dat",
              "UIID\tLABEL\tUNIT\r\nPA_TEMP\tTemp\xE9rature\t\xB0"
              "C\r\nB\r\n");
    dir.Write("scrambled.dat", "PCA Set\r\n" + EncryptString("UIID\tLABEL\tUNIT") + "\r\n" +
                                   EncryptString("PA_TEMP\tTempérature\t°C") + "\r\n" + EncryptString("B") + "\r\n");
    colUserFields plain, scrambled;
    EXPECT_TRUE(plain.ReadInDataFromTextFile(dir / "plain.dat"));
    EXPECT_TRUE(scrambled.ReadInDataFromTextFile(dir / "scrambled.dat"));
    EXPECT_EQ(DescribeAll(scrambled), DescribeAll(plain));
    EXPECT_EQ(DescribeAll(scrambled).size(), 2u);
    EXPECT_EQ(reports.Texts(), Lines{});
  });
}

TEST(UserFieldFile, OnlyTheExactMarkerMeansScrambled) {
  OnArmedThread([](Reports& reports) {
    TempDir dir;
    const std::string rest = "\r\n" + EncryptString("UIID") + "\r\n" + EncryptString("A") + "\r\n";
    for (const char* marker : {"pca set", "PCA SET", "PCA Set ", " PCA Set"}) {
      // Taken as a plain header: one unknown column, hex lines in it, nothing stored.
      dir.Write("fields.dat", marker + rest);
      colUserFields fields;
      EXPECT_TRUE(fields.ReadInDataFromTextFile(dir / "fields.dat")) << marker;
      EXPECT_EQ(fields.Count(), 0) << marker;
    }
    dir.Write("fields.dat", "PCA Set" + rest);
    colUserFields fields;
    EXPECT_TRUE(fields.ReadInDataFromTextFile(dir / "fields.dat"));
    EXPECT_EQ(DescribeAll(fields), Lines{Bare("A")});
    EXPECT_EQ(reports.Texts(), Lines{});
  });
}

TEST(UserFieldFile, FileThatCannotBeOpenedAnswersFalseQuietly) {
  OnArmedThread([](Reports& reports) {
    TempDir dir;
    std::filesystem::create_directory(dir / "a folder");
    for (const std::filesystem::path& path :
         {dir / "missing.dat", dir / "no folder" / "missing.dat", dir / "a folder", std::filesystem::path()}) {
      colUserFields fields;
      EXPECT_FALSE(fields.ReadInDataFromTextFile(path)) << path;
      EXPECT_EQ(fields.Count(), 0) << path;
    }
    EXPECT_EQ(reports.Texts(), Lines{});
    EXPECT_EQ(reports.terminator->calls, 0);
  });
}

struct FailCase {
  const char* name;
  std::string file;
  int32_t number;
  std::string description;  // after the reader's own line
  int32_t kept;             // records before the failing line ("Before")
};

class StopsReading : public ::testing::TestWithParam<FailCase> {};

// Unarmed, the reader's error reaches the caller with its number and the reader's
// line, and the records before the failing line stay.
TEST_P(StopsReading, AtTheFailingLineKeepingEarlierRecords) {
  const FailCase& c = GetParam();
  OnUnarmedThread([&] {
    TempDir dir;
    dir.Write("fields.dat", c.file);
    colUserFields fields;
    try {
      fields.ReadInDataFromTextFile(dir / "fields.dat");
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), c.number);
      EXPECT_EQ(error.Description(), ReaderError(c.description));
    }
    EXPECT_EQ(fields.Count(), c.kept);
    EXPECT_EQ(fields.Exists(Variant("Before")), c.kept == 1);
  });
}

const std::string kScrambledHeader = "PCA Set\r\n" + EncryptString("UIID\tHELPID") + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    UserFieldFile, StopsReading,
    ::testing::Values(
        FailCase{"EmptyFile", "", 62, "Input past end of file", 0},
        FailCase{"MarkerOnly", "PCA Set", 62, "Input past end of file", 0},
        FailCase{"MarkerLineOnly", "PCA Set\r\n", 62, "Input past end of file", 0},
        FailCase{"HeaderNotScrambled", "PCA Set\r\nUIID\r\n", 13, "VX4820CAL: DecryptString\r\nType mismatch", 0},
        FailCase{"LineNotScrambled", kScrambledHeader + EncryptString("Before") + "\r\nAfter\r\n", 13,
                 "VX4820CAL: DecryptString\r\nType mismatch", 1},
        FailCase{"LoneQuoteCell", "UIID\tLABEL\r\nBefore\r\nAfter\t\"\r\n", 5, "Invalid procedure call or argument", 1},
        FailCase{"LoneQuoteHeaderCell", "UIID\t\"\r\nAfter\r\n", 5, "Invalid procedure call or argument", 0},
        FailCase{"CellBeyondTheHeader", "UIID\r\nBefore\r\nAfter\tx\r\n", 9, "Subscript out of range", 1},
        FailCase{"HelpIdNotANumber", "UIID\tHELPID\r\nBefore\t1\r\nAfter\tone\r\n", 13, "Type mismatch", 1},
        FailCase{"HelpIdOutOfRange", "UIID\tHELPID\r\nBefore\r\nAfter\t2147483648\r\n", 6, "Overflow", 1},
        FailCase{"WidthNotANumber", "UIID\tUIWIDTHDEFAULT\r\nBefore\r\nAfter\t12px\r\n", 13, "Type mismatch", 1},
        FailCase{"FactoryLevelOutOfRange", "UIID\tFACTACCESSLEVEL\r\nBefore\r\nAfter\t32768\r\n", 6, "Overflow", 1},
        FailCase{"CustomerLevelOutOfRange", "UIID\tCUSTACCESSLEVEL\r\nBefore\r\nAfter\t-32769\r\n", 6, "Overflow", 1},
        FailCase{"VisibilityNotANumber", "UIID\tFACTBUTCUSTVIS\r\nBefore\r\nAfter\tyes\r\n", 13, "Type mismatch", 1},
        FailCase{"DecimalSymbolNotABoolean", "UIID\tDECIMALSYMBOL\r\nBefore\r\nAfter\tyes\r\n", 13, "Type mismatch",
                 1}),
    [](const ::testing::TestParamInfo<FailCase>& info) { return std::string(info.param.name); });

TEST(UserFieldFile, ArmedReaderReportsOnceAndReturnsFalse) {
  OnArmedThread([](Reports& reports) {
    TempDir dir;
    dir.Write("fields.dat", "UIID\tHELPID\r\nBefore\t1\r\nBad\tone\r\nAfter\t2\r\n");
    colUserFields fields;
    EXPECT_FALSE(fields.ReadInDataFromTextFile(dir / "fields.dat"));
    EXPECT_EQ(DescribeAll(fields), Lines{"Before||1|units|0|0|0|false|40||||false"});
    EXPECT_EQ(reports.Texts(), Lines{ReaderError("Type mismatch")});
    EXPECT_EQ(reports.terminator->calls, 1);
  });
}

TEST(UserFieldFile, DuplicateIsReportedUnderAddAndReadingGoesOn) {
  OnArmedThread([](Reports& reports) {
    TempDir dir;
    dir.Write("fields.dat", "UIID\tLABEL\r\nTxPower\tFirst\r\nTXPOWER\tSecond\r\ntxpower\tThird\r\nMute\tM\r\n");
    colUserFields fields;
    EXPECT_TRUE(fields.ReadInDataFromTextFile(dir / "fields.dat"));
    EXPECT_EQ(DescribeAll(fields),
              (Lines{"TxPower|First|0|units|0|0|0|false|40||||false", "Mute|M|0|units|0|0|0|false|40||||false"}));
    const std::string duplicate = "VX4820CAL: Add\r\nThis key is already associated with an element of this collection";
    EXPECT_EQ(reports.Texts(), (Lines{duplicate, duplicate}));
  });
}

// A duplicate on the line before the one that stops the reading comes first: reported
// before the reader's error, or raised instead of it.
TEST(UserFieldFile, DuplicateJustBeforeAFailingLineComesFirst) {
  const std::string file = "UIID\tHELPID\r\nA\t1\r\na\t2\r\nB\tone\r\n";
  const std::string duplicate = "VX4820CAL: Add\r\nThis key is already associated with an element of this collection";
  OnArmedThread([&](Reports& reports) {
    TempDir dir;
    dir.Write("fields.dat", file);
    colUserFields fields;
    EXPECT_FALSE(fields.ReadInDataFromTextFile(dir / "fields.dat"));
    EXPECT_EQ(fields.Count(), 1);
    EXPECT_EQ(reports.Texts(), (Lines{duplicate, ReaderError("Type mismatch")}));
  });
  OnUnarmedThread([&] {
    TempDir dir;
    dir.Write("fields.dat", file);
    colUserFields fields;
    try {
      fields.ReadInDataFromTextFile(dir / "fields.dat");
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 457);
    }
    EXPECT_EQ(fields.Count(), 1);
  });
}

TEST(UserFieldFile, NumbersFollowTheUsersDecimalSeparator) {
  OnArmedThread([](Reports& reports) {
    SetDecimalSymbolOverride(",");
    TempDir dir;
    dir.Write("fields.dat", "UIID\tHELPID\r\nA\t12,5\r\nB\t13.5\r\n");
    colUserFields fields;
    EXPECT_FALSE(fields.ReadInDataFromTextFile(dir / "fields.dat"));
    EXPECT_EQ(DescribeAll(fields), Lines{"A||12|units|0|0|0|false|40||||false"});
    EXPECT_EQ(reports.Texts(), Lines{ReaderError("Type mismatch")});
  });
}

TEST(UserFieldFile, FileIsClosedOnEveryPath) {
  OnArmedThread([](Reports&) {
    TempDir dir;
    dir.Write("good.dat", "UIID\r\nA\r\n");
    dir.Write("bad.dat", "UIID\r\nA\tbeyond\r\n");
    dir.Write("duplicate.dat", "UIID\r\nA\r\na\r\n");
    const size_t before = test_support::OpenFileCount();
    for (const char* name : {"good.dat", "bad.dat", "duplicate.dat", "missing.dat"}) {
      colUserFields fields;
      fields.ReadInDataFromTextFile(dir / name);
      EXPECT_EQ(test_support::OpenFileCount(), before) << name;
    }
  });
}

}  // namespace
}  // namespace vx4820cal
