// params diff OLD NEW: what every lookup a radio can make answers differently between
// two parameters files (or the PARAMETERS files of two folders).
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>

#include "calparams/calibration_parameters.h"
#include "calparams/working_copy.h"
#include "cli/cmd_params_common.h"
#include "cli/json_output.h"
#include "cli/parameters_diff.h"
#include "cli/tool_session.h"
#include "cli/why_unreadable.h"
#include "common/atomic_file.h"
#include "common/text.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

namespace fs = std::filesystem;

// The file a path names: itself, or for a folder its plain source, else its working copy.
fs::path ParametersFileOf(const fs::path& path) {
  std::error_code none;
  if (!fs::is_directory(path, none)) return path;
  fs::path source = path / (std::string(kDefaultParametersName) + ".ini");
  return fs::exists(source, none) ? source : path / (std::string(kDefaultParametersName) + ".dat");
}

// A plain source is read as its working copy would be, made in a scratch file so that
// the folders compared are left as they are.
class ScratchWorkingCopy {
 public:
  explicit ScratchWorkingCopy(const fs::path& source)
      : path_(fs::temp_directory_path() /
              ("vx4820cal-diff-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++) + ".dat")) {
    calparams::ReplaceFileAtomically(path_, calparams::WorkingCopyBytes(ReadFileBytes(source)));
  }
  ~ScratchWorkingCopy() {
    std::error_code none;
    fs::remove(path_, none);
  }
  const fs::path& Path() const { return path_; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

// The store read from the file; none, diagnosed, when it cannot be read whole.
std::shared_ptr<clsCalibrationParameters> Load(ToolSession& session, const fs::path& file) {
  if (std::string why = WhyUnreadable(file); !why.empty()) {
    session.Fail(file.string() + ": " + why);
    return nullptr;
  }
  auto store = std::make_shared<clsCalibrationParameters>();
  try {
    if (EqualsNoCase(file.extension().string(), ".ini")) {
      ScratchWorkingCopy copy(file);
      calparams::ReadParametersFile(copy.Path(), *store);
    } else {
      calparams::ReadParametersFile(file, *store);
    }
  } catch (const Error& error) {
    session.Fail(file.string() + ": the load stops: " + WithUnixLineBreaks(error.Description()) +
                 " (see 'vx4820cal params lint')");
    return nullptr;
  } catch (const std::exception& failure) {
    session.Fail(file.string() + ": cannot be read: " + failure.what());
    return nullptr;
  }
  return store;
}

std::string ChangeText(const AnswerChange& change) {
  if (change.name.empty()) {
    return change.new_value == "answers" ? "the lookup no longer fails (it " + change.old_value + ")"
                                         : "the lookup now " + change.new_value;
  }
  return change.name + ": " + change.old_value + " -> " + change.new_value;
}

void PrintText(const std::vector<TableDiff>& diffs) {
  if (diffs.empty()) return;
  size_t count = 0;
  for (const TableDiff& diff : diffs) {
    std::cout << "Table \"" << diff.table << "\"\n";
    for (const ChangeGroup& group : diff.groups) {
      for (const std::string& radios : group.radios) std::cout << "  " << radios << '\n';
      for (const AnswerChange& change : group.changes) std::cout << "    " << ChangeText(change) << '\n';
      count += group.changes.size();
    }
  }
  std::cout << count << (count == 1 ? " difference" : " differences") << " in " << diffs.size()
            << (diffs.size() == 1 ? " table\n" : " tables\n");
}

nlohmann::ordered_json Document(const fs::path& old_file, const fs::path& new_file,
                                const std::vector<TableDiff>& diffs) {
  nlohmann::ordered_json tables = nlohmann::ordered_json::array();
  for (const TableDiff& diff : diffs) {
    nlohmann::ordered_json groups = nlohmann::ordered_json::array();
    for (const ChangeGroup& group : diff.groups) {
      nlohmann::ordered_json changes = nlohmann::ordered_json::array();
      for (const AnswerChange& change : group.changes) {
        if (change.name.empty()) {
          changes.push_back({{"lookup", change.old_value}, {"becomes", change.new_value}});
        } else {
          changes.push_back({{"name", change.name}, {"old", change.old_value}, {"new", change.new_value}});
        }
      }
      groups.push_back({{"radios", group.radios}, {"changes", changes}});
    }
    tables.push_back({{"table", diff.table}, {"groups", groups}});
  }
  return {{"old", old_file.string()}, {"new", new_file.string()}, {"tables", tables}};
}

struct DiffArguments {
  std::string old_path;
  std::string new_path;
  bool json = false;
};

int RunParamsDiff(const Invocation& invocation, const DiffArguments& arguments) {
  ToolSession session(invocation, ToolSession::Reads::kGivenFiles);
  return session.Run([&] {
    fs::path old_file = ParametersFileOf(arguments.old_path);
    fs::path new_file = ParametersFileOf(arguments.new_path);
    std::shared_ptr<clsCalibrationParameters> old_store = Load(session, old_file);
    std::shared_ptr<clsCalibrationParameters> new_store = Load(session, new_file);
    if (!old_store || !new_store) return kExitError;
    std::vector<TableDiff> diffs = DiffParameters(*old_store, *new_store);
    if (arguments.json) {
      PrintJson(Document(old_file, new_file, diffs));
    } else {
      PrintText(diffs);
    }
    return kExitOk;
  });
}

CommandBody DefineParamsDiff(CLI::App& app) {
  auto arguments = std::make_shared<DiffArguments>();
  app.add_option("OLD", arguments->old_path, "the parameters file shipped so far, or its folder")->required();
  app.add_option("NEW", arguments->new_path, "the parameters file to ship, or its folder")->required();
  AddFormatOption(app, arguments->json);
  return [arguments](const Invocation& invocation) { return RunParamsDiff(invocation, *arguments); };
}

const bool kRegistered =
    RegisterCommand({"params diff", "Show what every lookup a radio can make answers differently in NEW than in OLD.",
                     "Reads two parameters files (a .ini as its working copy would hold it, any other file as\n"
                     "the loader reads it; a folder stands for its PARAMETERS.ini, else PARAMETERS.dat) and\n"
                     "compares, for every table and every class of radio the two tell apart (each band,\n"
                     "model and radio option they name and any other, each stretch of hardware versions\n"
                     "between their breakpoints), the answer of the lookup: names whose value changes,\n"
                     "appears or disappears, and lookups that start or stop failing. Grouped by table and\n"
                     "radios. Prints nothing for files that answer alike. Neither folder is written to.\n",
                     DefineParamsDiff});

}  // namespace
}  // namespace vx4820cal::cli
