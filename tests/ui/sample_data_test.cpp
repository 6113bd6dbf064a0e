// The UI field data shipped beside the component: the scrambled .dat must be the
// .txt people edit, and it must define the fields the rest of the tier names.
#include <gtest/gtest.h>

#include "common/codepage.h"
#include "common/scrambling.h"
#include "common/text_file.h"
#include "ui/tier_ui.h"
#include "ui/user_fields.h"
#include "ui_test_helpers.h"

namespace vx4820cal {
namespace {

using test_support::DescribeAll;
using test_support::OnArmedThread;
using test_support::ReadFile;
using test_support::Reports;
using test_support::SampleDataFolder;

TEST(SampleUIData, ScrambledCopyIsRegeneratedFromThePlainSource) {
  const std::string plain = ReadFile(SampleDataFolder() / "VX4820CAL_UI_U.txt");
  ASSERT_FALSE(plain.empty());
  // Hand-edited, but with the line ends the reader expects.
  for (size_t i = plain.find('\n'); i != std::string::npos; i = plain.find('\n', i + 1)) {
    ASSERT_TRUE(i > 0 && plain[i - 1] == '\r') << "lone LF at byte " << i;
  }
  std::string expected = std::string(kScrambledMarker) + "\r\n";
  for (LineReader lines(plain); !lines.AtEnd();) expected += EncryptString(Cp1252ToUtf8(lines.Next())) + "\r\n";
  EXPECT_EQ(ReadFile(SampleDataFolder() / "VX4820CAL_UI_U.dat"), expected)
      << "run scripts/regenerate-ui-data.sh after editing data/VX4820CAL_UI_U.txt";
}

TEST(SampleUIData, ReadsCleanlyAndMatchesItsSource) {
  OnArmedThread([](Reports& reports) {
    colUserFields scrambled, plain;
    EXPECT_TRUE(scrambled.ReadInDataFromTextFile(SampleDataFolder() / "VX4820CAL_UI_U.dat"));
    EXPECT_TRUE(plain.ReadInDataFromTextFile(SampleDataFolder() / "VX4820CAL_UI_U.txt"));
    EXPECT_EQ(DescribeAll(scrambled), DescribeAll(plain));
    EXPECT_GE(scrambled.Count(), 20);
    EXPECT_EQ(reports.Texts(), std::vector<std::string>{});
  });
}

TEST(SampleUIData, DefinesTheFieldsTheTierNames) {
  OnArmedThread([](Reports& reports) {
    SetThreadComponentFolder(SampleDataFolder());
    std::shared_ptr<ItierUserInterface> ui = NewTierUI();
    std::shared_ptr<Itier> no_tier;
    ObjectRef no_module;
    ASSERT_TRUE(ui->InitialiseUserInterface(no_tier, no_module));
    for (std::string uiid :
         {"RX_FE_TUNE_CAL_FREQ_PTS", "RX_FE_TUNE_BPFSETTINGS", "RSSI_CAL_FREQUENCY_PTS", "RSSI_DELTA_GAIN_VALUES",
          "AGC_DELTA_GAIN_VALUES", "MUTE_NOISE_READINGS", "Band_r5k", "47.DB_CURRENT_CAL_DATABASE_VERSION",
          "ScanGroupNumber", "FilteredScanGroupChannelMemberID"}) {
      std::string label, units, nav_label;
      int32_t width = 0;
      EXPECT_TRUE(ui->GetLabelByUIID(uiid, label) && !label.empty()) << uiid;
      EXPECT_TRUE(ui->GetUnitsByUIID(uiid, units) && !units.empty()) << uiid;
      EXPECT_TRUE(ui->GetNavLabelByUIID(uiid, nav_label) && !nav_label.empty()) << uiid;
      EXPECT_TRUE(ui->GetUIWidthByUIID(uiid, width) && width > 0) << uiid;
    }
    // The calibration grids share their grid identifiers.
    std::string points = "RX_FE_TUNE_CAL_FREQ_PTS", settings = "RX_FE_TUNE_BPFSETTINGS", grid1, grid2;
    ui->GetATGridIDByUIID(points, grid1);
    ui->GetATGridIDByUIID(settings, grid2);
    EXPECT_FALSE(grid1.empty());
    EXPECT_EQ(grid1, grid2);
    EXPECT_EQ(reports.Texts(), std::vector<std::string>{});
    SetThreadComponentFolder({});
  });
}

}  // namespace
}  // namespace vx4820cal
