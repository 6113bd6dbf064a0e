#pragma once
// What the tool adds to the component's report when a parameters file does not load
// or does not hold the table asked for: the file, the line and the cause.
#include <filesystem>
#include <string>

namespace vx4820cal {
class clsCalibrationParameters;
}

namespace vx4820cal::calparams {
struct ParametersFilePaths;
}

namespace vx4820cal::cli {

class ToolSession;

// After a LoadFile(base_name) that returned false: why, as a failure diagnostic.
void DiagnoseFailedLoad(ToolSession& session, const std::string& base_name);

// False, with a failure diagnostic naming the closest tables, when the store holds no
// record of the table.
bool RequireTable(ToolSession& session, const clsCalibrationParameters& store, const std::string& base_name,
                  const std::string& table);

// True when the next load keeps the working copy as it stands: it exists and the
// source is not newer.
bool WorkingCopyIsKept(const calparams::ParametersFilePaths& paths);

// For a working copy the next load keeps: its first line that does not hold the
// source's text (its line N holds the source's line N - 1); 0 when it holds it all.
size_t StaleWorkingCopyLine(const calparams::ParametersFilePaths& paths);

// The file a person edits for base_name: the plain source, or the working copy when
// there is no source.
std::filesystem::path EditedFile(const std::string& base_name);

}  // namespace vx4820cal::cli
