// Every message in the catalogue source is the code page 932 form of the
// Japanese text in the comment above it, as the compiler reads the literal.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <string>

#include "tests/console_text.h"

namespace {

// The bytes of one line of string literals, by C's rules: a hex escape takes
// every hex digit that follows it.
std::string Decode(const std::string& line) {
  std::string bytes;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
    } else if (quoted && line[i] == '\\' && line[i + 1] == 'x') {
      size_t end = i + 2;
      while (end < line.size() && std::isxdigit(line[end])) ++end;
      bytes.push_back(static_cast<char>(
          std::stoul(line.substr(i + 2, end - i - 2), nullptr, 16)));
      i = end - 1;
    } else if (quoted && line[i] == '\\') {
      bytes.push_back(line[++i] == 'n' ? '\n' : line[i]);
    } else if (quoted) {
      bytes.push_back(line[i]);
    }
  }
  return bytes;
}

TEST(T3mMessagesTest, EveryLiteralIsTheCodePage932OfItsComment) {
  std::ifstream source(T3M_SOURCE_DIR "/t3m/t3m_messages.cpp");
  std::string line, comment, literal, name;
  int messages = 0;
  auto finish = [&] {
    if (!name.empty()) {
      EXPECT_EQ(literal, ToCp932(comment)) << name;
      ++messages;
    }
    comment.clear(), literal.clear(), name.clear();
  };
  while (std::getline(source, line)) {
    if (line.rfind("// ", 0) == 0 && line.size() > 5 &&
        line.compare(line.size() - 2, 2, "\\n") == 0) {
      if (!name.empty()) finish();
      comment += line.substr(3, line.size() - 5) + "\n";
    } else if (line.rfind("const char k", 0) == 0) {
      name = line.substr(11, line.find('[') - 11);
    } else if (!name.empty() && line.rfind("    \"", 0) == 0) {
      literal += Decode(line);
    }
  }
  finish();
  EXPECT_EQ(messages, 35);
}

}  // namespace
