#include "common/error_convention.h"

#include <gtest/gtest.h>

#include "common/message_box.h"
#include "host/message_box_recorder.h"
#include "support/test_support.h"
#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

using test_support::CountingTerminator;
using test_support::OnFreshThread;

TEST(AddErrorSource, StacksProcedureLinesOutermostFirst) {
  Error error(13, "src", "Type mismatch");
  AddErrorSource(error, "Inner");
  AddErrorSource(error, "Outer");
  EXPECT_EQ(error.Description(), "VX4820CAL: Outer\r\nVX4820CAL: Inner\r\nType mismatch");
  EXPECT_EQ(error.Number(), 13);
  EXPECT_EQ(error.Source(), "src");
}

TEST(AddErrorSource, LeavesDescriptionThatIsTheProcedureName) {
  Error error(5, "src", "LoadFile");
  AddErrorSource(error, "LoadFile");
  EXPECT_EQ(error.Description(), "LoadFile");
}

TEST(RaiseError, UnarmedRaisesExactlyWhatItIsGiven) {
  OnFreshThread([] {
    EXPECT_FALSE(ErrorReportingArmed());
    try {
      RaiseError(457, "Some.Source", "Some description");
      ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 457);
      EXPECT_EQ(error.Source(), "Some.Source");
      EXPECT_EQ(error.Description(), "Some description");
    }
  });
}

TEST(RaiseError, ArmedShowsOneCriticalBoxAndAsksToEndOnce) {
  OnFreshThread([] {
    auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    auto terminator = std::make_shared<CountingTerminator>();
    InitRaiseError(terminator);
    EXPECT_NO_THROW(RaiseError(13, "x", "VX4820CAL: Itier_Activate\r\nType mismatch"));
    ASSERT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_EQ(boxes->Boxes()[0].title, "Programming Application");
    EXPECT_EQ(boxes->Boxes()[0].style, 16);
    EXPECT_EQ(boxes->Boxes()[0].text, "VX4820CAL: Itier_Activate\r\nType mismatch");
    EXPECT_EQ(terminator->calls, 1);
    InstallMessageBoxService(nullptr);
  });
}

TEST(ErrorTraps, ReportRaiseAgainAndQuiet) {
  OnFreshThread([] {
    // Unarmed, the reporting trap passes the error on with its line added.
    try {
      TrapAndReport("Outer", [] { TrapAndRaiseAgain("Inner", [] { throw RuntimeError(err::kOverflow); }); });
      ADD_FAILURE();
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 6);
      EXPECT_EQ(error.Description(), "VX4820CAL: Outer\r\nVX4820CAL: Inner\r\nOverflow");
    }
    EXPECT_FALSE(TrapQuietly([] { throw RuntimeError(err::kFileNotFound); }));
    EXPECT_TRUE(TrapQuietly([] {}));
    // Standard failures become run-time errors.
    try {
      TrapAndRaiseAgain("P", [] { throw std::bad_alloc(); });
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 7);
    }
  });
}

TEST(ShowMessage, ShowsTextTitleAndStyle) {
  OnFreshThread([] {
    auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    ShowMessage("Hello", 0, "Title");
    ASSERT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_EQ(boxes->Boxes()[0].text, "Hello");
    EXPECT_EQ(boxes->Boxes()[0].title, "Title");
    EXPECT_EQ(boxes->Boxes()[0].style, 0);
  });
}

}  // namespace
}  // namespace vx4820cal
