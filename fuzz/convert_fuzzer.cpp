// Fuzzes a whole conversion in one process with the real 3D library: the
// first input byte picks the accuracy option, the second the model name, and
// the rest is the plot file. Checks the printed line and the model file
// written, or that nothing was written.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/converter_app.h"
#include "base/coding.h"
#include "base/t3m_format.h"
#include "fuzz/fuzz_support.h"
#include "lib3d/torvane3d.h"
#include "plot/plot_parser.h"
#include "plot/text_table.h"

namespace {

std::string* output_path = nullptr;
std::string* work_dir = nullptr;

struct AccuracyChoice {
  const char* option;  // null: none given
  int32_t accuracy;    // 0: refused
};
const AccuracyChoice kAccuracies[] = {
    {nullptr, 3},  {"/a:1", 1}, {"/a:2", 2},  {"-a:3", 3}, {"/A:4", 4},
    {"/a:5", 5},   {"/a:6", 6}, {"/a:7", 7},  {"/a:8", 8}, {"/a:9", 9},
    {"/a:10", 10}, {"/a:0", 0}, {"/a:11", 0},
};

struct NameChoice {
  std::string name;
  std::string written;  // the file the model lands in; empty: refused
};

std::vector<NameChoice>* names = nullptr;

std::vector<NameChoice>* MakeNames() {
  return new std::vector<NameChoice>{
      {"m", "m.t3m"},
      {"m.t3m", "m.t3m"},
      {"m.T3M", "m.T3M.t3m"},
      {"sub/m", "sub/m.t3m"},
      {"missing/m", ""},
      {"m%", ""},
      // The longest file name the file system takes, extension included.
      {std::string(251, 'n'), std::string(251, 'n') + ".t3m"},
      // One byte past the 259 the output path may hold.
      {"sub/" + std::string(252, 'n'), ""},
  };
}

const unsigned char* BytesAt(const std::string& bytes, size_t at) {
  return reinterpret_cast<const unsigned char*>(bytes.data()) + at;
}

// The model file must be the profile swept at this accuracy, whole.
void CheckModelFile(const std::string& file, const PlotList& points,
                    int32_t accuracy) {
  const int32_t ring = 2 * accuracy + 3;
  const int32_t n = points.Count();
  const size_t vertices = static_cast<size_t>(ring) * n;
  const size_t conns = 6 * static_cast<size_t>(ring - 1) * (n - 1);
  FUZZ_CHECK(file.size() == T3mFileBytes(static_cast<int32_t>(vertices),
                                         static_cast<int32_t>(conns)));
  const T3mHeader header = DecodeT3mHeader(BytesAt(file, 0));
  FUZZ_CHECK(std::memcmp(header.magic, kT3mMagic, sizeof header.magic) == 0);
  FUZZ_CHECK(header.version == kT3mVersion);
  FUZZ_CHECK(header.vertex_count == static_cast<int32_t>(vertices));
  FUZZ_CHECK(header.conn_count == static_cast<int32_t>(conns));
  float last_v = 0.0f;
  for (int32_t i = 0; i < n; ++i) {
    const PlotPoint& point = points.At(i);
    for (int32_t j = 0; j < ring; ++j) {
      const size_t at =
          kT3mHeaderBytes + kT3mVertexBytes * static_cast<size_t>(i * ring + j);
      const MeshVertex vertex = DecodeT3mVertex(BytesAt(file, at));
      FUZZ_CHECK(vertex.y == static_cast<float>(point.y));
      FUZZ_CHECK(std::fabs(std::hypot(vertex.x, vertex.z) -
                           std::fabs(point.x)) <= 0.01);
      FUZZ_CHECK(vertex.u >= 0.0f && vertex.u <= 1.0f);
      FUZZ_CHECK(vertex.v >= 0.0f && vertex.v <= 1.0001f && vertex.v >= last_v);
      if (j == 0) last_v = vertex.v;
    }
  }
  const size_t conn_start = kT3mHeaderBytes + kT3mVertexBytes * vertices;
  for (size_t k = 0; k < conns; ++k) {
    FUZZ_CHECK(DecodeFixed16(BytesAt(file, conn_start + kT3mConnBytes * k)) <
               vertices);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string& scratch = ScratchDir();
  output_path = new std::string(scratch + "/stdout");
  work_dir = new std::string(scratch + "/work");
  names = MakeNames();
  RedirectStandardStreams(*output_path);
  FUZZ_CHECK(mkdir(work_dir->c_str(), 0700) == 0);
  FUZZ_CHECK(chdir(work_dir->c_str()) == 0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return -1;
  const AccuracyChoice& accuracy =
      kAccuracies[data[0] % (sizeof kAccuracies / sizeof kAccuracies[0])];
  const NameChoice& name = (*names)[data[1] % names->size()];
  EmptyDirectory(*work_dir);
  FUZZ_CHECK(mkdir("sub", 0700) == 0);
  WriteBytes("plot.txt", data + 2, size - 2);

  // The profile as the reader and parser give it; their own fuzzer checks
  // them against the file.
  PlotList points;
  int plot_ok = 0;
  {
    TextTable table;
    RowList rows;
    plot_ok =
        table.ReadAll("plot.txt", rows) && PlotParser().Parse(rows, points);
  }

  std::vector<std::string> words = {"turnel"};
  if (accuracy.option != nullptr) words.push_back(accuracy.option);
  words.push_back("plot.txt");
  words.push_back(name.name);
  std::vector<char*> argv = ArgvOf(words);

  ClearCapturedOutput(*output_path);
  Torvane3DSize window = {0, 0};
  FUZZ_CHECK(Torvane3D_Init(0, nullptr, &window, 0) != 0);
  RunConversion(static_cast<int32_t>(words.size()), argv.data());
  FUZZ_CHECK(Torvane3D_UnInit() != 0);
  std::fflush(stdout);
  const std::string printed = ReadBytes(*output_path);

  // One line, whatever happened.
  FUZZ_CHECK(!printed.empty() && printed.find('\n') == printed.size() - 1);
  const bool expect_success = accuracy.accuracy != 0 && plot_ok &&
                              points.Count() >= 1 && !name.written.empty();
  std::vector<std::string> expected_entries = {"plot.txt", "sub"};
  if (expect_success) {
    const int32_t a = accuracy.accuracy;
    const int32_t n = points.Count();
    const std::string title = name.written.substr(name.written.rfind('/') + 1);
    const std::string report =
        "plot.txt(acc=" + std::to_string(a) + ") -> " + title +
        " (vt=" + std::to_string((2 * a + 3) * n) +
        ", cn=" + std::to_string(6 * (2 * a + 2) * (n - 1)) + ")\n";
    FUZZ_CHECK(printed == report);
    CheckModelFile(ReadBytes(name.written), points, a);
    if (name.written.find('/') == std::string::npos) {
      expected_entries.push_back(name.written);
    } else {
      FUZZ_CHECK(ListDirectory("sub") ==
                 std::vector<std::string>{name.written.substr(4)});
    }
  } else {
    FUZZ_CHECK(printed.find(" -> ") == std::string::npos);
    FUZZ_CHECK(ListDirectory("sub").empty());
  }
  std::sort(expected_entries.begin(), expected_entries.end());
  // No model file on failure, and never a temporary file left behind.
  FUZZ_CHECK(ListDirectory(".") == expected_entries);
  return 0;
}
