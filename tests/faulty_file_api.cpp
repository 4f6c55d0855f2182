// A file layer over the real one that fails at the one step a test names.
#include "tests/faulty_file_api.h"

namespace {

FileFaults faults;

HANDLE Create(LPCSTR path, DWORD access, DWORD disposition) {
  faults.error = faults.step == kFailCreate ? ERROR_ACCESS_DENIED : 0;
  if (faults.taken_names-- > 0) faults.error = ERROR_FILE_EXISTS;
  ++faults.creates;
  if (faults.error != 0) return INVALID_HANDLE_VALUE;
  return RealFileApi().create_file(path, access, disposition);
}

DWORD LastError() {
  return faults.error != 0 ? faults.error : RealFileApi().get_last_error();
}

BOOL Read(HANDLE file, void* data, DWORD size, DWORD* read) {
  if (faults.step == kFailRead) return FALSE;
  return RealFileApi().read_file(file, data, size, read);
}

BOOL Write(HANDLE file, const void* data, DWORD size, DWORD* written) {
  if (kFailFirstWrite + faults.writes++ == faults.step) {
    if (!faults.cut_short) return FALSE;
    --size;
  }
  return RealFileApi().write_file(file, data, size, written);
}

BOOL Close(HANDLE file) {
  return RealFileApi().close_handle(file) && faults.step != kFailClose;
}

BOOL Move(LPCSTR from, LPCSTR to, DWORD flags) {
  return faults.step != kFailMove && RealFileApi().move_file(from, to, flags);
}

BOOL Delete(LPCSTR path) { return RealFileApi().delete_file(path); }

const FileApi kFaultyFileApi = {Create, LastError, Read,  Write,
                                Close,  Move,      Delete};

}  // namespace

FileFaults& Faults() { return faults; }

const FileApi& FaultyFileApi() { return kFaultyFileApi; }
