// The output path made from the model name, and the report line.
#include "modelfile/model_saver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/console_text.h"
#include "tests/fake_torvane3d.h"

namespace {

struct PathCase {
  std::string model_name;
  int result;
  std::string output;
};

TEST(ModelSaverTest, OutputPathGetsTheExtensionOnlyWhereItLacksIt) {
  const std::string n255(255, 'n');
  const PathCase kCases[] = {
      {"vase", 1, "vase.t3m"},
      {"vase.t3m", 1, "vase.t3m"},
      {"vase.T3M", 1, "vase.T3M.t3m"},
      {"vase.txt", 1, "vase.txt.t3m"},
      {"vase.", 1, "vase..t3m"},
      {"my.dir\\vase", 1, "my.dir\\vase.t3m"},
      {"my.dir/vase", 1, "my.dir/vase.t3m"},
      {"out/vase.t3m", 1, "out/vase.t3m"},
      {"C:vase", 1, "C:vase.t3m"},
      {"", 1, ".t3m"},
      {n255, 1, n255 + ".t3m"},           // 259 bytes: fits
      {n255 + "n", 0, ""},                // 260 bytes would be needed
      {n255 + ".t3m", 1, n255 + ".t3m"},  // 259 bytes, nothing to add
      {n255 + "n.t3m", 0, ""},            // 260 bytes even as it is
      {n255 + "nn", 0, ""},               // never cut to ".t"
  };
  for (const PathCase& c : kCases) {
    char output[kOutputPathCapacity];
    EXPECT_EQ(ModelSaver().MakeOutputPath(c.model_name.c_str(), output,
                                          kOutputPathCapacity),
              c.result)
        << c.model_name;
    EXPECT_EQ(output, c.output) << c.model_name;
  }
}

TEST(ModelSaverTest, AppendBoundedCutsToTheCapacity) {
  struct {
    const char* name;
    const char* start;
    int capacity;
    const char* text;
    const char* result;
  } const kCases[] = {
      {"fits", "abc", 8, "de", "abcde"},
      {"cut to the room left", "abc", 6, "defg", "abcde"},
      {"no room left", "abc", 4, "d", "abc"},
      {"cut inside a double-byte character", "ab", 4, "\x83\x82", "ab\x83"},
  };
  for (const auto& c : kCases) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%s", c.start);
    AppendBounded(buffer, c.capacity, c.text);
    EXPECT_STREQ(buffer, c.result) << c.name;
  }
}

std::string Report(const std::string& plot_path, int32_t accuracy,
                   const std::string& output_path) {
  ResetFake();
  Fake().override_params = true;
  Fake().param_vertex_count = 33;
  Fake().param_conn_count = 120;
  return StdoutOf([&] {
    ModelSaver().PrintReport(plot_path.c_str(), accuracy, 1,
                             output_path.c_str());
  });
}

TEST(ModelSaverTest, ReportLineNamesBothFilesAccuracyAndCounts) {
  const std::string p259(259, 'p');
  const struct {
    const char* name;
    std::string plot_path;
    int32_t accuracy;
    std::string output_path;
    std::string line;
  } kCases[] = {
      {"directories dropped", "C:\\data\\vase.txt", 3, "out/vase.t3m",
       "vase.txt(acc=3) -> vase.t3m (vt=33, cn=120)\n"},
      {"percent signs printed as they are", "100%d%%.txt", 10, "x.t3m",
       "100%d%%.txt(acc=10) -> x.t3m (vt=33, cn=120)\n"},
      {"path without title", "data/", 1, "x.t3m",
       "(acc=1) -> x.t3m (vt=33, cn=120)\n"},
      {"cut at 511 bytes", p259, 3, "d/" + std::string(257, 'o'),
       p259 + "(acc=3) -> " + std::string(241, 'o')},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Report(c.plot_path, c.accuracy, c.output_path), c.line) << c.name;
  }
}

}  // namespace
