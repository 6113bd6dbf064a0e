#include "bench/bench_inputs.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>

#include "bench/generator.h"
#include "calparams/working_copy.h"
#include "common/codepage.h"
#include "common/scrambling.h"

namespace vx4820cal::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kScratchPrefix = "vx4820cal-bench-";

fs::path TemporaryFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp && *tmp ? tmp : "/tmp";
}

// Folders of earlier runs that ended without removing theirs (killed or crashed): each
// name holds its run's process id, and a run whose process is gone needs it no more.
void RemoveAbandonedFolders(const fs::path& tmp) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(tmp, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kScratchPrefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + kScratchPrefix.size(), nullptr, 10);
    if (pid <= 0 || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    std::error_code ignored;
    fs::remove_all(entry.path(), ignored);
  }
}

// The temporary folder: made on first use, removed with everything in it at exit.
// KEEP_INPUTS=DIR puts the inputs in DIR instead and keeps them, for profiling.
class ScratchRoot {
 public:
  ScratchRoot() {
    if (const char* keep = std::getenv("KEEP_INPUTS"); keep && *keep) {
      path_ = keep;
      keep_ = true;
      fs::create_directories(path_);
      return;
    }
    const fs::path tmp = TemporaryFolder();
    RemoveAbandonedFolders(tmp);
    std::string pattern = (tmp / kScratchPrefix).string() + std::to_string(::getpid()) + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
  }
  ~ScratchRoot() {
    std::error_code ignored;
    if (!keep_) fs::remove_all(path_, ignored);
  }
  ScratchRoot(const ScratchRoot&) = delete;
  ScratchRoot& operator=(const ScratchRoot&) = delete;

  fs::path NewFolder() {
    fs::path folder = path_ / std::to_string(++folders_);
    fs::create_directories(folder);
    return folder;
  }

 private:
  fs::path path_;
  bool keep_ = false;
  size_t folders_ = 0;
};

ScratchRoot& Root() {
  static ScratchRoot root;
  return root;
}

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

InputFile Made(const fs::path& folder, const std::string& name, const std::string& bytes) {
  Write(folder / name, bytes);
  return {folder, folder / name, bytes.size()};
}

template <class Key, class Make>
const InputFile& Cached(std::map<Key, InputFile>& cache, const Key& key, Make make) {
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, make()).first;
  return it->second;
}

}  // namespace

fs::path NewScratchFolder() { return Root().NewFolder(); }

const InputFile& ParametersInput(size_t lines, bool grow_start_up_tables, NameShape names) {
  static std::map<std::tuple<size_t, bool, NameShape>, InputFile> cache;
  return Cached(cache, std::make_tuple(lines, grow_start_up_tables, names), [&] {
    fs::path folder = NewScratchFolder();
    std::string source = GenerateParametersSource({lines, grow_start_up_tables, names});
    Write(folder / "PARAMETERS.ini", source);
    // Written after the source, so the component finds it up to date.
    return Made(folder, "PARAMETERS.dat", calparams::WorkingCopyBytes(source));
  });
}

const InputFile& ParametersInput(size_t lines, NameShape names) { return ParametersInput(lines, true, names); }

const InputFile& OneNameInput(size_t sections) {
  static std::map<size_t, InputFile> cache;
  return Cached(cache, sections, [&] {
    fs::path folder = NewScratchFolder();
    std::string source = "RadioOptions = DEFAULT\r\n";
    for (size_t i = 0; i < sections; ++i) {
      std::string number = std::to_string(i);
      source += "[T]\r\nBands = B" + number +
                "\r\nModels = DEFAULT\r\nHWversStart = 0\r\nHWversStop = 9999\r\nN = " + number + "\r\n";
    }
    InputFile input = Made(folder, "PARAMETERS.ini", source);
    // Written after the source, so the component finds it up to date.
    Made(folder, "PARAMETERS.dat", calparams::WorkingCopyBytes(source));
    return input;
  });
}

namespace {

// The scrambled form of one line "V = xxx...x" of about `bytes` characters. Lines are
// scrambled position by position modulo 256, so every block of 256 * k x's after the
// first gives the same digits; the scrambled form moves the last digit to the front.
void WriteLongValueLine(std::ofstream& out, uint64_t bytes) {
  constexpr size_t kBlock = size_t{256} << 8;
  auto digits_of = [](const std::string& plain) {
    std::string scrambled = Utf8ToCp1252(EncryptString(Cp1252ToUtf8(plain)));
    return scrambled.substr(1) + scrambled[0];
  };
  const std::string first = digits_of("V = " + std::string(kBlock - 4, 'x'));
  const std::string next = digits_of(std::string(kBlock, 'x'));
  const uint64_t blocks = std::max<uint64_t>(1, bytes / first.size());
  out.put(blocks == 1 ? first.back() : next.back());
  out.write(first.data(), static_cast<std::streamsize>(first.size() - (blocks == 1 ? 1 : 0)));
  for (uint64_t block = 1; block < blocks; ++block) {
    out.write(next.data(), static_cast<std::streamsize>(next.size() - (block + 1 == blocks ? 1 : 0)));
  }
  out.write("\r\n", 2);
}

}  // namespace

const InputFile& LargeWorkingCopy(uint64_t bytes, bool one_value) {
  static std::map<std::tuple<uint64_t, bool>, InputFile> cache;
  return Cached(cache, std::make_tuple(bytes, one_value), [&] {
    fs::path folder = NewScratchFolder();
    std::ofstream out(folder / "PARAMETERS.dat", std::ios::binary | std::ios::trunc);
    if (one_value) {
      out << calparams::WorkingCopyBytes("[T]\r\nBands = A4\r\nModels = M\r\nHWversStart = 0\r\nHWversStop = 1\r\n");
      WriteLongValueLine(out, bytes);
    } else {
      const std::string copy = calparams::WorkingCopyBytes(GenerateParametersSource({size_t(kLarge)}));
      const std::string_view body = std::string_view(copy).substr(copy.find('\n') + 1);  // no second marker
      out << copy;
      for (uint64_t written = copy.size(); written < bytes; written += body.size()) {
        out.write(body.data(), static_cast<std::streamsize>(body.size()));
      }
    }
    if (!out.flush()) throw std::runtime_error("cannot write a large working copy");
    out.close();
    return InputFile{folder, folder / "PARAMETERS.dat", fs::file_size(folder / "PARAMETERS.dat")};
  });
}

const InputFile& ParametersSource(size_t lines) {
  static std::map<size_t, InputFile> cache;
  return Cached(cache, lines, [&] {
    InputFile source{ParametersInput(lines).folder, ParametersInput(lines).folder / "PARAMETERS.ini", 0};
    source.bytes = fs::file_size(source.path);
    return source;
  });
}

const InputFile& UiFieldInput(size_t fields, UiTexts texts) {
  static std::map<std::tuple<size_t, UiTexts>, InputFile> cache;
  return Cached(cache, std::make_tuple(fields, texts), [&] {
    std::string plain = GenerateUiFieldSource(fields, texts);
    return Made(NewScratchFolder(), "VX4820CAL_UI_U.dat", texts == UiTexts::kPlain ? plain : ScrambleLines(plain));
  });
}

const InputFile& SampleDataInput() {
  static const InputFile sample = [] {
    fs::path folder = NewScratchFolder();
    fs::path data = fs::path(VX4820CAL_SOURCE_DIR) / "data";
    for (const char* name : {"PARAMETERS.ini", "VX4820CAL_UI_U.dat"}) fs::copy_file(data / name, folder / name);
    std::ifstream in(folder / "PARAMETERS.ini", std::ios::binary);
    std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Made(folder, "PARAMETERS.dat", calparams::WorkingCopyBytes(source));
  }();
  return sample;
}

}  // namespace vx4820cal::bench
