// What ends the process while it writes a file, on Windows: there are no
// write signals, and a console interrupt ends the process outright, so there
// is nothing to set up.
#include "platform/interrupts.h"

void TreatWriteSignalsAsErrors() {}

InterruptHold::InterruptHold() {}

InterruptHold::~InterruptHold() {}

TemporaryFileWatch::TemporaryFileWatch() {}

TemporaryFileWatch::~TemporaryFileWatch() {}

void TemporaryFileWatch::Watch(const char*) {}
