// A file layer over the real one that fails at the one step a test names, so
// that tests can see what each failure leaves on disk.
#ifndef TURNEL_TESTS_FAULTY_FILE_API_H_
#define TURNEL_TESTS_FAULTY_FILE_API_H_

#include "platform/file_api.h"

// Where the layer fails: creating, the nth write call (kFailFirstWrite + n -
// 1), closing, moving or every read; kFailNothing lets every call through.
enum FaultStep {
  kFailNothing,
  kFailCreate,
  kFailFirstWrite,
  kFailClose = kFailFirstWrite + 64,
  kFailMove,
  kFailRead,
};

struct FileFaults {
  int step = kFailNothing;
  bool cut_short = false;  // the failing write writes one byte less instead
  int taken_names = 0;     // creations refused as "exists" before one works
  int creates = 0;         // create calls seen
  int writes = 0;          // write calls seen
  DWORD error = 0;
};

// The faults the layer obeys; a test sets them anew for each case.
FileFaults& Faults();

const FileApi& FaultyFileApi();

#endif  // TURNEL_TESTS_FAULTY_FILE_API_H_
