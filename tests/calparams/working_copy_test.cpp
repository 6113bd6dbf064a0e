// The working copy: made from the plain source when that is newer, replaced only
// once the new copy is complete, never outside the component folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <set>

#include "calparams/parameters_file.h"
#include "common/atomic_file.h"
#include "common/codepage.h"
#include "common/scrambling.h"
#include "fixtures/parameters_fixture.h"
#include "platform/platform.h"
#include "reliability/working_copy_helpers.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using test_support::Crlf;
using test_support::Entries;
using test_support::FilesIn;
using test_support::Lines;
using test_support::LoadError;
using test_support::ParametersFolder;
using test_support::SetAge;

TEST(WorkingCopy, IsTheMarkerThenEachSourceLineWithoutCommentScrambled) {
  ParametersFolder folder;
  folder.WriteSource(test_support::kWorkedExample);
  ASSERT_EQ(LoadError(), "");
  // Lines with a ";" lose the comment and surrounding spaces; others stay as they are.
  const char* processed[] = {"",
                             "[BandLimits]",
                             "Bands = DEFAULT",
                             "Models = DEFAULT",
                             "HWversStart = 0",
                             "HWversStop = 9999",
                             "RadioOptions = DEFAULT",
                             "BandType = 1",
                             "TCXO = 12.8",
                             "[BandLimits]",
                             "Bands = H5, H6",
                             "Models = LR2930 Cal",
                             "HWversStart = 0",
                             "HWversStop = 9999",
                             "TCXO = 14.4"};
  std::string expected = "PCA Set\r\n";
  for (const char* line : processed) expected += EncryptString(line) + "\r\n";
  EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), expected);
  EXPECT_EQ(folder.Dir().Read("PARAMETERS.ini"), Crlf(test_support::kWorkedExample)) << "the source is never changed";
}

TEST(WorkingCopy, KeepsEveryWindows1252ByteAndLineEndTheSourceHas) {
  ParametersFolder folder;
  std::string source = "a \x80\x81\x8D\x8F\x90\x9D\xFF b\r  x \n y ;c\r\n\r\nlast";
  folder.Dir().Write("PARAMETERS.ini", source);
  LoadError();
  std::string copy = folder.Dir().Read("PARAMETERS.dat");
  std::vector<std::string> lines = Split(copy, "\r\n");
  ASSERT_EQ(lines.size(), 6u);  // marker, four lines, nothing after the last CR LF
  EXPECT_EQ(lines[0], "PCA Set");
  EXPECT_EQ(Utf8ToCp1252(DecryptString(lines[1])), "a \x80\x81\x8D\x8F\x90\x9D\xFF b");
  EXPECT_EQ(Utf8ToCp1252(DecryptString(lines[2])), "x \n y");  // a lone LF stays inside the line
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(Utf8ToCp1252(DecryptString(lines[4])), "last");
  EXPECT_EQ(lines[5], "");
}

TEST(WorkingCopy, IsReplacedOnlyByAStrictlyNewerSource) {
  const std::string kHandWritten =
      Crlf("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\nN=hand\n");
  struct Case {
    const char* what;
    int source_age, copy_age;  // seconds ago
    bool read_only_copy;
    const char* value;
  } cases[] = {
      {"newer source replaces the copy", 10, 100, false, "source"},
      {"older source leaves it", 100, 10, false, "hand"},
      {"a source of the same time leaves it", 50, 50, false, "hand"},
      {"a read-only copy is replaced all the same", 10, 100, true, "source"},
  };
  for (const Case& c : cases) {
    ParametersFolder folder;
    folder.WriteSource("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\nN=source\n");
    folder.WriteWorkingCopy(kHandWritten);
    SetAge(folder.Source(), c.source_age);
    if (c.source_age == c.copy_age) {
      fs::last_write_time(folder.WorkingCopy(), fs::last_write_time(folder.Source()));
    } else {
      SetAge(folder.WorkingCopy(), c.copy_age);
    }
    if (c.read_only_copy) fs::permissions(folder.WorkingCopy(), fs::perms::owner_read | fs::perms::group_read);
    auto store = folder.Load();
    EXPECT_EQ(Entries(store->GetTable("B", "M", 0, "T", "")), Lines{std::string("N=") + c.value}) << c.what;
    EXPECT_EQ(FilesIn(folder.Dir().Path()), (std::set<std::string>{"PARAMETERS.dat", "PARAMETERS.ini"})) << c.what;
  }
}

TEST(WorkingCopy, FailedRegenerationLeavesTheOldCopyAndNoTemporaryFile) {
  for (bool old_copy : {true, false}) {
    ParametersFolder folder;
    folder.WriteSource("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\nN=new\n");
    const std::string kOld = "PCA Set\r\n" + EncryptString("old bytes") + "\r\n";
    if (old_copy) {
      folder.WriteWorkingCopy(kOld);
      SetAge(folder.WorkingCopy(), 100);
    }
    size_t probed = 0;
    calparams::SetAtomicWriteProbe([&](const fs::path& temporary, size_t written) {
      ++probed;
      EXPECT_TRUE(fs::exists(temporary));
      EXPECT_EQ(temporary.parent_path(), folder.Dir().Path()) << "written beside the copy, renamed over it";
      EXPECT_GT(written, 0u);
      throw std::runtime_error("disk full");
    });
    // Regeneration failed: the load cannot open a working copy.
    EXPECT_EQ(LoadError(), "VX4820CAL: LoadFile\r\nFile not found");
    calparams::SetAtomicWriteProbe(nullptr);
    EXPECT_EQ(probed, 1u);
    std::set<std::string> expected = {"PARAMETERS.ini"};
    if (old_copy) {
      expected.insert("PARAMETERS.dat");
      EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), kOld) << "the old copy, byte for byte";
    }
    EXPECT_EQ(FilesIn(folder.Dir().Path()), expected);
    // Once writing works again, the next load regenerates.
    EXPECT_EQ(LoadError(), "");
    EXPECT_EQ(Entries(folder.Load()->GetTable("B", "M", 0, "T", "")), Lines{"N=new"});
  }
}

TEST(WorkingCopy, MissingFilesAndEmptySources) {
  ParametersFolder folder;
  EXPECT_EQ(LoadError(), "VX4820CAL: LoadFile\r\nFile not found");
  EXPECT_TRUE(FilesIn(folder.Dir().Path()).empty());
  // A source with no lines gives a copy that holds only the marker, which cannot load.
  folder.Dir().Write("PARAMETERS.ini", "");
  EXPECT_EQ(LoadError(), "VX4820CAL: LoadFile\r\nInput past end of file");
  EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), "PCA Set\r\n");
  // An empty working copy without a source loads and holds nothing.
  fs::remove(folder.Source());
  folder.WriteWorkingCopy("");
  bool loaded = false;
  EXPECT_TRUE(folder.Load(&loaded)->Records().empty());
  EXPECT_TRUE(loaded);
}

TEST(WorkingCopy, BaseNamesThatLeaveTheComponentFolderAreRefusedUntouched) {
  test_support::TempDir outer;
  fs::create_directory(outer / "component");
  SetThreadComponentFolder(outer / "component");
  outer.Write("x.ini", Crlf("[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nN=1\n"));
  const std::string names[] = {"../x", "..\\x", "sub/x", "/tmp/x", "..", std::string("x\0y", 3)};
  for (const std::string& name : names) {
    EXPECT_EQ(LoadError(name), "VX4820CAL: LoadFile\r\nBad file name or number") << name;
  }
  EXPECT_EQ(FilesIn(outer.Path()), (std::set<std::string>{"component", "x.ini"}));
  EXPECT_TRUE(FilesIn(outer / "component").empty());
  // Names that merely look odd stay inside the folder and are allowed.
  for (const std::string name : {"..x", "a b", "."}) {
    EXPECT_EQ(LoadError(name), "VX4820CAL: LoadFile\r\nFile not found") << name;
  }
  SetThreadComponentFolder({});
}

TEST(WorkingCopy, EveryFileIsClosedOnEveryPath) {
  ParametersFolder folder;
  size_t before = test_support::OpenFileCount();
  folder.WriteSource(test_support::kWorkedExample);
  LoadError();                                    // regenerates, loads
  folder.WriteWorkingCopy(Crlf("[T]\n\tbad\n"));  // stops the load
  LoadError();
  folder.WriteSource("N=1\n");  // regeneration that fails
  calparams::SetAtomicWriteProbe([](const fs::path&, size_t) { throw std::runtime_error("cut"); });
  LoadError();
  calparams::SetAtomicWriteProbe(nullptr);
  LoadError("absent");  // nothing to open
  EXPECT_EQ(test_support::OpenFileCount(), before);
}

// A section whose one parameter N has value.
std::string SourceWith(const std::string& value) {
  return "[T]\nBands=B\nModels=M\nHWversStart=0\nHWversStop=9\nRadioOptions=DEFAULT\nN=" + value + "\n";
}

Lines LoadedValue(const ParametersFolder& folder, const std::string& base = "PARAMETERS") {
  return Entries(folder.Load(nullptr, base)->GetTable("B", "M", 0, "T", ""));
}

TEST(WorkingCopy, IsDatedAsTheSourceItWasMadeFrom) {
  ParametersFolder folder;
  // Any later save of the source is newer than the copy, and regenerates it.
  folder.WriteSource(SourceWith("one"));
  SetAge(folder.Source(), 100);
  EXPECT_EQ(LoadedValue(folder), Lines{"N=one"});
  EXPECT_EQ(fs::last_write_time(folder.WorkingCopy()), fs::last_write_time(folder.Source()));
  // A source saved just now could share its time with a save still to come: its copy
  // is dated before it, so that such a save is not lost to the strictly-newer rule.
  folder.WriteSource(SourceWith("two"));
  EXPECT_EQ(LoadedValue(folder), Lines{"N=two"});
  EXPECT_LT(platform::FileVersionAt(folder.WorkingCopy())->modified_ns,
            platform::FileVersionAt(folder.Source())->modified_ns);
#ifdef _WIN32
  GTEST_SKIP() << "the standard library sets file times to the second here: no save within the tick to make";
#endif
  const fs::file_time_type saved = fs::last_write_time(folder.Source());
  folder.WriteSource(SourceWith("three"));
  fs::last_write_time(folder.Source(), saved);  // saved again within the same tick
  EXPECT_EQ(LoadedValue(folder), Lines{"N=three"});
}

TEST(WorkingCopy, KeepsThePermissionBitsOfTheCopyItReplacesNeverWiderThanTheSource) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows keeps no permission bits beyond read-only";
#endif
  using fs::perms;
  struct Case {
    const char* what;
    perms source;
    std::optional<perms> old_copy;
    perms copy;
  } cases[] = {
      {"a private copy stays private", perms(0644), perms(0600), perms(0600)},
      {"a read-only copy stays read-only", perms(0644), perms(0444), perms(0444)},
      {"never wider than the source", perms(0600), perms(0664), perms(0600)},
      {"a new copy takes the source's", perms(0640), std::nullopt, perms(0640)},
  };
  for (const Case& c : cases) {
    ParametersFolder folder;
    folder.WriteSource(SourceWith("new"));
    fs::permissions(folder.Source(), c.source);
    if (c.old_copy) {
      folder.WriteWorkingCopy(test_support::OldCopy());
      fs::permissions(folder.WorkingCopy(), *c.old_copy);
      SetAge(folder.WorkingCopy(), 100);
    }
    EXPECT_EQ(LoadedValue(folder), Lines{"N=new"}) << c.what;
    EXPECT_EQ(fs::status(folder.WorkingCopy()).permissions() & perms::all, c.copy) << c.what;
  }
}

TEST(WorkingCopy, ABaseNameAsLongAsAFileNameMayBeRegenerates) {
  ParametersFolder folder;
  const std::string base(250, 'p');  // the longest that leaves room for ".ini"
  folder.WriteSource(SourceWith("long"), base);
  EXPECT_EQ(LoadedValue(folder, base), Lines{"N=long"});
  EXPECT_EQ(FilesIn(folder.Dir().Path()), (std::set<std::string>{base + ".dat", base + ".ini"}));
}

}  // namespace
}  // namespace vx4820cal
