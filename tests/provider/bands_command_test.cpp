// The tool's bands command end to end: a parameters file in a component folder, the
// TSV on stdout, the boxes on stderr and the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "calparams/calibration_parameters.h"
#include "support/test_support.h"

namespace vx4820cal {
namespace {

using test_support::ReadFile;
using test_support::TempDir;

struct ToolRun {
  int status;
  std::string out, err;
};

ToolRun RunBands(const TempDir& folder) {
  std::string command = std::string("LC_ALL=C '") + VX4820CAL_TOOL_FILE + "' bands --dir '" + folder.Path().string() +
                        "' >'" + (folder / "out.txt").string() + "' 2>'" + (folder / "err.txt").string() + "'";
  int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(folder / "out.txt"), ReadFile(folder / "err.txt")};
}

// Parameter lines end at CR LF in the files people write for the component.
std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string Section(const std::string& table, const std::string& bands, const std::string& models) {
  return Lines({"[" + table + "]", "Bands = " + bands, "Models = " + models, "HWversStart = 0", "HWversStop = 9999"});
}

const std::string kWholeNumbers = Lines({
    "RadioOptions = DEFAULT",
    "BandType = 1",
    "TCXO = 14400",
    "ReferenceFreqRx = 12500",
    "ReferenceFreqTx = 6250",
    "IFFrequency = 45100",
    "Prescalar = 64",
    "N2 = 3",
    "R2 = 2",
    "FreqMax = 174000",
    "FreqMin = 136000",
    "M1_Numerator = 1",
    "M2_Numerator = 2",
    "M3_Numerator = 3",
    "Def_M1_Scalar = 10",
    "Def_M2_Scalar = 20",
    "Def_M3_Scalar = 30",
    "Lo_SideInjection = -1",
    "Display = VHF   ; trailing comment",
    "Code = V",
    "BaseProcessFreqA = 0.1",
    "BaseProcessFreqB = 1234.5678",
    "TCXOVerificationFactor = 99",
});

const std::string kFactor =
    Section("cvCscTCXOVerificationFactor", "DEFAULT", "DEFAULT") + Lines({"TCXOVerificationFactor = 0.000125"});

const std::string kHeader =
    "Code\tBandType\tTCXO\tReferenceFreqRx\tReferenceFreqTx\tIFFrequency\tPrescalar\tN2\tR2\tFreqMax\tFreqMin\t"
    "M1_Numerator\tM2_Numerator\tM3_Numerator\tDef_M1_Scalar\tDef_M2_Scalar\tDef_M3_Scalar\tLo_SideInjection\t"
    "Display\tCode\tDivisor\tBaseProcessFreqA\tBaseProcessFreqB\tTCXOVerificationFactor\n";

std::string Row(const std::string& code, const std::string& display, const std::string& tail) {
  return code + "\t1\t14400\t12500\t6250\t45100\t64\t3\t2\t174000\t136000\t1\t2\t3\t10\t20\t30\t-1\t" + display +
         "\tV\t" + tail + "\n";
}

class BandsCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(VX4820CAL_TOOL_FILE).empty()) GTEST_SKIP() << "the tool is not built";
    if (!NewCalibrationParameters()) GTEST_SKIP() << "no parameter store in this build";
  }
  TempDir folder;
};

TEST_F(BandsCommand, PrintsNineRowsWithTheFactorFromItsOwnTable) {
  folder.Write("PARAMETERS.ini", Section("BandLimits", "DEFAULT", "DEFAULT") + kWholeNumbers +
                                     Lines({"Divisor = 2.5/5"}) + Section("BandLimits", "K5", "LR2930 Cal") +
                                     Lines({"Display = UHF K5"}) + kFactor);
  ToolRun run = RunBands(folder);
  std::string expected = kHeader;
  for (const char* code : {"A4", "B1", "C0", "D1", "G2", "H5", "H6", "H7"}) {
    expected += Row(code, "VHF", "2.5/5\t0.1\t1234.5678\t0.000125");
  }
  expected += Row("K5", "UHF K5", "2.5/5\t0.1\t1234.5678\t0.000125");
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

TEST_F(BandsCommand, ABandWithoutDivisorIsReportedOnceAndTheLaterBandsAreStillFilled) {
  folder.Write("PARAMETERS.ini", Section("BandLimits", "DEFAULT", "DEFAULT") + kWholeNumbers +
                                     Section("BandLimits", "A4, B1, C0, G2, H5, H6, H7, K5", "DEFAULT") +
                                     Lines({"Divisor = 4"}) + kFactor);
  ToolRun run = RunBands(folder);
  std::string expected = kHeader;
  for (const char* code : {"A4", "B1", "C0"}) expected += Row(code, "VHF", "4\t0.1\t1234.5678\t0.000125");
  expected += Row("D1", "VHF", "\t0\t0\t0");
  for (const char* code : {"G2", "H5", "H6", "H7", "K5"}) expected += Row(code, "VHF", "4\t0.1\t1234.5678\t0.000125");
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "[Programming Application]\nVX4820CAL: InitialiseBand\nInvalid procedure call or argument\n\n");
  EXPECT_EQ(run.status, 3);
}

TEST_F(BandsCommand, PrintsNothingWhenTheFileDoesNotLoad) {
  folder.Write("PARAMETERS.ini", Lines({"[BandLimits]", "not a parameter line"}));
  ToolRun run = RunBands(folder);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err, "");
  EXPECT_EQ(run.status, 3);
}

}  // namespace
}  // namespace vx4820cal
