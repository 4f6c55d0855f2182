// Fuzzes the command line and the argument checks with an argument vector
// (the input cut at its zero bytes), and checks the outcome against the
// command line's rules worked out here on their own.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/converter_app.h"
#include "base/limits.h"
#include "base/messages.h"
#include "base/path_rules.h"
#include "fuzz/fuzz_support.h"

namespace {

std::string* output_path = nullptr;

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// What the rules say of an argument vector before any file is touched.
struct Expected {
  bool usage = false;
  std::vector<std::string> positionals;
  bool has_accuracy = false;
  std::string accuracy_text;
};

Expected Classify(const std::vector<std::string>& args) {
  Expected expected;
  bool seen[26] = {};
  int options = 0;
  for (const std::string& arg : args) {
    if (arg.size() > static_cast<size_t>(kMaxArgumentBytes)) {
      expected.usage = true;
      continue;
    }
    if (arg.empty() || (arg[0] != '/' && arg[0] != '-')) {
      expected.positionals.push_back(arg);
      continue;
    }
    const bool flag = arg.size() == 2 && IsLetter(arg[1]);
    const bool valued = arg.size() >= 4 && IsLetter(arg[1]) && arg[2] == ':';
    if (!flag && !valued) {
      expected.usage = true;
      continue;
    }
    const int letter = (arg[1] | 0x20) - 'a';
    if (seen[letter]) expected.usage = true;
    seen[letter] = true;
    ++options;
    if (letter == 0) {
      expected.has_accuracy = true;
      // A flag form gives the option an empty value.
      expected.accuracy_text = valued ? arg.substr(3) : "";
    }
  }
  if (expected.positionals.size() != 2 || options > 1) expected.usage = true;
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string& scratch = ScratchDir();
  output_path = new std::string(scratch + "/stdout");
  RedirectStandardStreams(*output_path);
  // The plots that a fuzzed path can name: the directory holds nothing else.
  const std::string work = scratch + "/work";
  mkdir(work.c_str(), 0700);
  const std::string good = "0,0\n50,0\n50,100\n";
  const std::string bad = "0,0\nx,1\n";
  WriteBytes(work + "/p", reinterpret_cast<const uint8_t*>(good.data()),
             good.size());
  WriteBytes(work + "/b", reinterpret_cast<const uint8_t*>(bad.data()),
             bad.size());
  WriteBytes(work + "/e", nullptr, 0);
  mkdir((work + "/d").c_str(), 0700);
  if (chdir(work.c_str()) != 0) FuzzCheckFailed("chdir", __FILE__, __LINE__);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else {
      args.back().push_back(static_cast<char>(data[i]));
    }
  }
  // A path with ".." could leave the scratch directory and read any file of
  // the machine, a terminal or a pipe among them.
  for (const std::string& arg : args) {
    if (arg.find("..") != std::string::npos) return -1;
  }
  std::vector<std::string> words = args;
  words.insert(words.begin(), "turnel");
  std::vector<char*> argv = ArgvOf(words);

  ClearCapturedOutput(*output_path);
  ConverterApp app;
  const int loaded = app.Load(argv.data(), static_cast<int32_t>(words.size()));
  std::fflush(stdout);
  const std::string printed = ReadBytes(*output_path);

  const Expected expected = Classify(args);
  const bool printed_usage = printed == msg::kUsage.cp932;
  FUZZ_CHECK(printed_usage == expected.usage);
  if (!loaded) {
    // Every refusal says why, in one line.
    FUZZ_CHECK(!printed.empty() && printed.back() == '\n' &&
               printed.find('\n') == printed.size() - 1);
    return 0;
  }
  FUZZ_CHECK(printed.empty());
  FUZZ_CHECK(!expected.usage);
  int32_t accuracy = kDefaultAccuracy;
  if (expected.has_accuracy) {
    char* end = nullptr;
    const long long value =
        std::strtoll(expected.accuracy_text.c_str(), &end, 10);
    FUZZ_CHECK(end != expected.accuracy_text.c_str());
    accuracy = static_cast<int32_t>(value);
    FUZZ_CHECK(value == accuracy);
  }
  FUZZ_CHECK(app.GetAccuracy() == accuracy);
  FUZZ_CHECK(accuracy >= kMinAccuracy && accuracy <= kMaxAccuracy);
  for (int k = 0; k < 2; ++k) {
    const std::string& path = expected.positionals[k];
    FUZZ_CHECK(path.size() <= static_cast<size_t>(kMaxPathBytes));
    FUZZ_CHECK(path.find('%') == std::string::npos);
    FUZZ_CHECK(!HasReservedPrefix(path.c_str()));
  }
  FUZZ_CHECK(app.GetPlotPath() == expected.positionals[0]);
  FUZZ_CHECK(std::string(app.GetModelName()) == expected.positionals[1]);
  // Only the good plot, under any name, loads with points; the empty one
  // loads with none.
  struct stat info;
  FUZZ_CHECK(stat(expected.positionals[0].c_str(), &info) == 0 &&
             S_ISREG(info.st_mode));
  FUZZ_CHECK(app.GetPoints().Count() == (info.st_size == 0 ? 0 : 3));
  return 0;
}
