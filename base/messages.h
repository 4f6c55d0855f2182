// The message catalogue: every text the converter prints, in code page 932
// and in UTF-8.
#ifndef TURNEL_BASE_MESSAGES_H_
#define TURNEL_BASE_MESSAGES_H_

// A catalogue message: its code page 932 bytes, which the programs print, and
// the same text in UTF-8, which they print instead on a terminal that shows
// UTF-8. It reads as its code page 932 bytes wherever a text is wanted.
struct Message {
  const char* cp932;
  const char* utf8;
  operator const char*() const { return cp932; }
};

namespace msg {

extern const Message kInitFailed;
extern const Message kUsage;
extern const Message kAccuracyNotNumber;
extern const Message kAccuracyOutOfRange;
extern const Message kPathTooLong;
extern const Message kPathInvalid;
extern const Message kPathHasPercent;
extern const Message kPlotOpenFailed;
extern const Message kPlotTooManyRows;
extern const Message kPlotFieldCount;
extern const Message kPlotConversion;
extern const Message kPlotOutOfRange;
extern const Message kOutOfMemory;
extern const Message kModelCreateFailed;
extern const Message kSaveOutOfMemory;
extern const Message kSaveFailed;

}  // namespace msg

// Prints a catalogue message to standard output, filling in its fields, in
// the form the console shows (see ConsoleShowsUtf8).
void PrintMessage(Message message, ...);

// Prints a text to standard output exactly as it stands.
void PrintText(const char* text);

#endif  // TURNEL_BASE_MESSAGES_H_
