// The entry point of t3m, the tool that inspects, exports and previews model
// files; exits 0 on success and 1 on failure.
#include "platform/interrupts.h"
#include "t3m/t3m_app.h"

int main(int argc, char** argv) {
  TreatWriteSignalsAsErrors();
  return RunT3m(argc, argv);
}
