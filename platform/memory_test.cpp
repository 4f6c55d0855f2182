// Preparing a block for writing leaves every byte of it, and of its
// neighbours, as it was.
#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace {

TEST(MemoryTest, PreparingABlockChangesNoByte) {
  const struct {
    const char* name;
    size_t offset;  // from the start of the allocation
    size_t bytes;
  } kCases[] = {
      {"several whole pages", 0, 5 * 4096},
      {"unaligned start and end", 123, 3 * 4096 + 77},
      {"less than a page", 4000, 200},
      {"empty block", 100, 0},
  };
  for (const auto& c : kCases) {
    std::vector<unsigned char> memory(8 * 4096);
    for (size_t i = 0; i < memory.size(); ++i) {
      memory[i] = static_cast<unsigned char>(i * 31 + 7);
    }
    const std::vector<unsigned char> before = memory;
    PrepareForWriting(memory.data() + c.offset, c.bytes);
    EXPECT_EQ(memory, before) << c.name;
  }
}

}  // namespace
