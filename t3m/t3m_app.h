// The t3m command line: which command runs, on which files, and its exit
// status.
#ifndef TURNEL_T3M_T3M_APP_H_
#define TURNEL_T3M_T3M_APP_H_

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;

// Runs "t3m info|export|render ..." and gives the exit status; every failure
// has printed one message first, but for a failure to print.
int RunT3m(int argc, char** argv);

#endif  // TURNEL_T3M_T3M_APP_H_
