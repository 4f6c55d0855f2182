// The entry point: starts the 3D library against the console window, runs one
// conversion and shuts the library down. The exit status is always 0.
#include "app/converter_app.h"
#include "base/messages.h"
#include "lib3d/torvane3d.h"
#include "platform/interrupts.h"
#include "platform/memory.h"
#include "winapi.h"

int main(int argc, char** argv) {
  TreatWriteSignalsAsErrors();
  KeepFreedMemoryUntilExit();
  HWND window = GetConsoleWindow();
  RECT rect = {0, 0, 0, 0};
  GetClientRect(window, &rect);
  Torvane3DSize size = {rect.right - rect.left, rect.bottom - rect.top};
  if (!Torvane3D_Init(0, window, &size, 0)) {
    PrintMessage(msg::kInitFailed);
    return 0;
  }
  RunConversion(argc, argv);
  Torvane3D_UnInit();
  return 0;
}
