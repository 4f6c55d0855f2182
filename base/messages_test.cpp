// Every message reaches standard output as the code page 932 bytes of its
// Japanese text, derived here independently from a UTF-8 copy, and a UTF-8
// terminal receives that copy.
#include "base/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/console_text.h"

namespace {

struct MessageCase {
  const char* name;
  Message message;
  const char* utf8;
};

const MessageCase kMessages[] = {
    {"init", msg::kInitFailed, "Torvane3Dの初期化に失敗\n"},
    {"usage", msg::kUsage, "使い方: turnel [/a:精密度] プロット モデル名\n"},
    {"a not a number", msg::kAccuracyNotNumber,
     "オプション/aが数値ではありません\n"},
    {"a out of range", msg::kAccuracyOutOfRange, "/aの値は1～10までです\n"},
    {"path too long", msg::kPathTooLong, "パスは260文字以内にしてください\n"},
    {"path invalid", msg::kPathInvalid, "不正なファイルパスです\n"},
    {"percent", msg::kPathHasPercent, "%%記号はファイル名として認めていません\n"},
    {"plot open", msg::kPlotOpenFailed, "プロットファイルのオープンに失敗\n"},
    {"too many rows", msg::kPlotTooManyRows, "プロット数は最大で200までです\n"},
    {"field count", msg::kPlotFieldCount,
     "入力プロット %d行:１行の頂点数はx,yの２つです。\n"},
    {"conversion", msg::kPlotConversion, "入力プロット %d行:数値変換に失敗。\n"},
    {"range", msg::kPlotOutOfRange, "入力プロット %d行:値が範囲外です。\n"},
    {"out of memory", msg::kOutOfMemory, "メモリ不足です\n"},
    {"create failed", msg::kModelCreateFailed, "モデル生成に失敗\n"},
    {"save out of memory", msg::kSaveOutOfMemory, "メモリ不足\n"},
    {"save failed", msg::kSaveFailed, "t3mファイルの保存に失敗\n"},
};

TEST(MessagesTest, EveryMessageIsItsTextInCodePage932AndInUtf8) {
  for (const MessageCase& c : kMessages) {
    EXPECT_EQ(std::string(c.message.cp932), ToCp932(c.utf8)) << c.name;
    EXPECT_STREQ(c.message.utf8, c.utf8) << c.name;
  }
}

TEST(MessagesTest, TheTildeIsTheFullWidthOneOfCodePage932) {
  // U+FF5E, which only code page 932 maps to 0x81 0x60.
  EXPECT_NE(std::string(msg::kAccuracyOutOfRange).find("1\x81\x60" "10"),
            std::string::npos);
}

TEST(MessagesTest, PrintMessageFillsInTheLineIndexAndThePercentSign) {
  std::string out = StdoutOf([] {
    PrintMessage(msg::kPlotConversion, 7);
    PrintMessage(msg::kPathHasPercent);
  });
  EXPECT_EQ(out, ToCp932("入力プロット 7行:数値変換に失敗。\n"
                         "%記号はファイル名として認めていません\n"));
}

}  // namespace
