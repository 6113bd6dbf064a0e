// The tool's own diagnostics beside the component's boxes: a line naming the path,
// never inside a box, a run of identical boxes written once, and the exit status.
#include <gtest/gtest.h>

#include "common/text.h"
#include "support/test_support.h"

namespace vx4820cal {
namespace {

using test_support::RunTool;
using test_support::ToolRun;

const std::string kSection =
    "[T]\r\nBands=DEFAULT\r\nModels=DEFAULT\r\nHWversStart=0\r\nHWversStop=9\r\n"
    "RadioOptions=DEFAULT\r\n";

TEST(Diagnostics, NameThePathAndStandBetweenBoxes) {
  // {F} stands for the component folder.
  struct Case {
    const char* what;
    std::string source;  // PARAMETERS.ini, when not empty
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {"a missing folder",
       "",
       {"bands", "--dir", "{F}/nope"},
       3,
       "vx4820cal: {F}/nope: the component folder does not exist\n"
       "[Programming Application]\nVX4820CAL: LoadFile\nPath not found\n\n"
       "vx4820cal: {F}/nope/PARAMETERS.ini and PARAMETERS.dat: neither exists\n"},
      {"a file as the folder",
       "x",
       {"ui", "dump", "--dir", "{F}/PARAMETERS.ini"},
       1,
       "vx4820cal: {F}/PARAMETERS.ini: the component folder is not a folder\n"
       "vx4820cal: {F}/PARAMETERS.ini/VX4820CAL_UI_U.dat: does not exist\n"},
      {"one bad argument over many records",
       kSection + "A=1\r\nB=2\r\nC=3\r\n",
       {"params", "table", "--table", "T", "--band", "H5", "--model", "M", "--hw", "-5", "--option", "O", "--dir",
        "{F}"},
       3,
       "[Programming Application]\nVX4820CAL: IsMatch\nInvalid data\n\n(repeated 2 more times)\n\n"},
      {"bands over a file of lone LFs",
       "[BandLimits]\nBands=DEFAULT\n",
       {"bands", "--dir", "{F}"},
       3,
       "vx4820cal: {F}/PARAMETERS.ini: no records of table \"BandLimits\" (the file ends lines with a lone LF, which "
       "ends no line for the component)\n"
       "[Programming Application]\nVX4820CAL: InitialiseBand\nInvalid procedure call or argument\n\n"
       "(repeated 8 more times)\n\n"},
      {"an unknown field", "", {"ui", "get", "NOPE", "--dir", "{F}"}, 1, ""},
  };
  for (const Case& c : cases) {
    test_support::TempDir folder;
    if (!c.source.empty()) folder.Write("PARAMETERS.ini", c.source);
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(ReplaceAll(arg, "{F}", folder.Path().string()));
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.err, ReplaceAll(c.err, "{F}", folder.Path().string())) << c.what;
  }
}

}  // namespace
}  // namespace vx4820cal
