// The message catalogue: every text the converter prints, in code page 932.
#ifndef TURNEL_BASE_MESSAGES_H_
#define TURNEL_BASE_MESSAGES_H_

namespace msg {

extern const char kInitFailed[];
extern const char kUsage[];
extern const char kAccuracyNotNumber[];
extern const char kAccuracyOutOfRange[];
extern const char kPathTooLong[];
extern const char kPathInvalid[];
extern const char kPathHasPercent[];
extern const char kPlotOpenFailed[];
extern const char kPlotTooManyRows[];
extern const char kPlotFieldCount[];
extern const char kPlotConversion[];
extern const char kPlotOutOfRange[];
extern const char kOutOfMemory[];
extern const char kModelCreateFailed[];
extern const char kSaveOutOfMemory[];
extern const char kSaveFailed[];

}  // namespace msg

// Prints a catalogue message to standard output, filling in its "%d" fields.
void PrintMessage(const char* message, ...);

// Prints a text to standard output exactly as it stands.
void PrintText(const char* text);

#endif  // TURNEL_BASE_MESSAGES_H_
