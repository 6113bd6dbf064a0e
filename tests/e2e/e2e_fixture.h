#pragma once
// What the end-to-end tests share: a component folder as an installation has it (a
// copy of the built library beside the sample data files, in a temporary folder),
// and host sessions on it whose message boxes are recorded. Each session runs on a
// thread of its own: the component's per-thread state (its last tier, armed error
// reporting) then ends with the thread, and a leak shows as a tier still alive.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/host_session.h"
#include "support/test_support.h"

namespace vx4820cal::test_support {

inline constexpr const char* kParametersSource = "PARAMETERS.ini";
inline constexpr const char* kUserFieldFile = "VX4820CAL_UI_U.dat";

class InstalledComponent {
 public:
  // The library and the named sample data files.
  explicit InstalledComponent(const std::vector<std::string>& data_files = {kParametersSource, kUserFieldFile}) {
    std::filesystem::copy_file(VX4820CAL_LIBRARY_FILE, Library());
    for (const std::string& name : data_files) std::filesystem::copy_file(SampleDataFolder() / name, folder_ / name);
  }
  const std::filesystem::path& Folder() const { return folder_.Path(); }
  std::filesystem::path Library() const { return simhost::LibraryInFolder(folder_.Path()); }
  // A session on this folder, boxes recorded.
  simhost::HostSessionSetup Setup() const { return {Library(), {}, nullptr, false}; }

 private:
  TempDir folder_;
};

// The session's recorded boxes, as "[TITLE] text".
inline std::vector<std::string> BoxTexts(const simhost::HostSession& session) {
  std::vector<std::string> texts;
  for (const simhost::ShownBox& box : session.RecordedBoxes()->Boxes())
    texts.push_back("[" + box.title + "] " + box.text);
  return texts;
}

using SessionBody = std::function<void(simhost::HostSession&)>;

// Runs body with a session on its own thread, ends the session there and runs
// after_end. The tier the session created is handed back, so a test can see that it
// was released once the thread ended.
inline std::weak_ptr<Itier> InSession(const simhost::HostSessionSetup& setup, const SessionBody& body,
                                      const SessionBody& after_end = nullptr) {
  std::weak_ptr<Itier> tier;
  OnFreshThread([&] {
    simhost::HostSession session(setup);
    body(session);
    tier = session.Tier();
    session.End();
    if (after_end) after_end(session);
  });
  return tier;
}

// The session's steps up to the fetched objects; false when Initialize fails.
inline bool StartSession(simhost::HostSession& session) {
  session.CreateTier();
  if (!session.Initialize()) return false;
  session.FetchObjects();
  return true;
}

}  // namespace vx4820cal::test_support
