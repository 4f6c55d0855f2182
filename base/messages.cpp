// The message catalogue: every text the converter prints, in code page 932.
//
// Each message holds its code page 932 bytes, escaped so that every compiler
// emits them unchanged, and below them the same text in UTF-8, as it reads
// and as a UTF-8 terminal shows it.
#include "base/messages.h"

#include <cstdarg>
#include <cstdio>

#include "platform/console.h"

namespace msg {

const Message kInitFailed = {
    "Torvane3D\x82\xCC\x8F\x89\x8A\xFA\x89\xBB\x82\xC9\x8E\xB8\x94s\n",
    u8"Torvane3Dの初期化に失敗\n"};
const Message kUsage = {
    "\x8Eg\x82\xA2\x95\xFB: turnel [/a:\x90\xB8\x96\xA7\x93x] \x83v\x83\x8D\x83" "b\x83g \x83\x82\x83" "f\x83\x8B\x96\xBC\n",
    u8"使い方: turnel [/a:精密度] プロット モデル名\n"};
const Message kAccuracyNotNumber = {
    "\x83I\x83v\x83V\x83\x87\x83\x93/a\x82\xAA\x90\x94\x92l\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\n",
    u8"オプション/aが数値ではありません\n"};
const Message kAccuracyOutOfRange = {
    "/a\x82\xCC\x92l\x82\xCD" "1\x81`10\x82\xDC\x82\xC5\x82\xC5\x82\xB7\n",
    u8"/aの値は1～10までです\n"};
const Message kPathTooLong = {
    "\x83p\x83X\x82\xCD" "260\x95\xB6\x8E\x9A\x88\xC8\x93\xE0\x82\xC9\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\n",
    u8"パスは260文字以内にしてください\n"};
const Message kPathInvalid = {
    "\x95s\x90\xB3\x82\xC8\x83t\x83@\x83" "C\x83\x8B\x83p\x83X\x82\xC5\x82\xB7\n",
    u8"不正なファイルパスです\n"};
const Message kPathHasPercent = {
    "%%\x8BL\x8D\x86\x82\xCD\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xC6\x82\xB5\x82\xC4\x94" "F\x82\xDF\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\n",
    u8"%%記号はファイル名として認めていません\n"};
const Message kPlotOpenFailed = {
    "\x83v\x83\x8D\x83" "b\x83g\x83t\x83@\x83" "C\x83\x8B\x82\xCC\x83I\x81[\x83v\x83\x93\x82\xC9\x8E\xB8\x94s\n",
    u8"プロットファイルのオープンに失敗\n"};
const Message kPlotTooManyRows = {
    "\x83v\x83\x8D\x83" "b\x83g\x90\x94\x82\xCD\x8D\xC5\x91\xE5\x82\xC5" "200\x82\xDC\x82\xC5\x82\xC5\x82\xB7\n",
    u8"プロット数は最大で200までです\n"};
const Message kPlotFieldCount = {
    "\x93\xFC\x97\xCD\x83v\x83\x8D\x83" "b\x83g %d\x8Ds:\x82P\x8Ds\x82\xCC\x92\xB8\x93_\x90\x94\x82\xCDx,y\x82\xCC\x82Q\x82\xC2\x82\xC5\x82\xB7\x81" "B\n",
    u8"入力プロット %d行:１行の頂点数はx,yの２つです。\n"};
const Message kPlotConversion = {
    "\x93\xFC\x97\xCD\x83v\x83\x8D\x83" "b\x83g %d\x8Ds:\x90\x94\x92l\x95\xCF\x8A\xB7\x82\xC9\x8E\xB8\x94s\x81" "B\n",
    u8"入力プロット %d行:数値変換に失敗。\n"};
const Message kPlotOutOfRange = {
    "\x93\xFC\x97\xCD\x83v\x83\x8D\x83" "b\x83g %d\x8Ds:\x92l\x82\xAA\x94\xCD\x88\xCD\x8AO\x82\xC5\x82\xB7\x81" "B\n",
    u8"入力プロット %d行:値が範囲外です。\n"};
const Message kOutOfMemory = {
    "\x83\x81\x83\x82\x83\x8A\x95s\x91\xAB\x82\xC5\x82\xB7\n",
    u8"メモリ不足です\n"};
const Message kModelCreateFailed = {
    "\x83\x82\x83" "f\x83\x8B\x90\xB6\x90\xAC\x82\xC9\x8E\xB8\x94s\n",
    u8"モデル生成に失敗\n"};
const Message kSaveOutOfMemory = {
    "\x83\x81\x83\x82\x83\x8A\x95s\x91\xAB\n",
    u8"メモリ不足\n"};
const Message kSaveFailed = {
    "t3m\x83t\x83@\x83" "C\x83\x8B\x82\xCC\x95\xDB\x91\xB6\x82\xC9\x8E\xB8\x94s\n",
    u8"t3mファイルの保存に失敗\n"};

}  // namespace msg

void PrintMessage(Message message, ...) {
  va_list args;
  va_start(args, message);
  std::vprintf(ConsoleShowsUtf8() ? message.utf8 : message.cp932, args);
  va_end(args);
}

void PrintText(const char* text) { std::fputs(text, stdout); }
