// The ".t3m" model file: its in-memory image, and the writer that puts the
// image on disk whole or leaves the disk as it was.
#include "modelfile/model_file.h"

#include <cassert>
#include <cstdio>
#include <cstring>
#include <new>

#include "app/argument_checks.h"

namespace {

constexpr char kMagic[4] = {'T', '3', 'M', '_'};
constexpr DWORD kMaxBlockBytes = 0xFFFFFFFFu;

// "~t3m" + 4 hex digits + ".tmp"; short, so that a path near the length
// limit still has room for its temporary sibling.
constexpr size_t kTempNameBytes = 12;
// Room for the directory of any command-line argument (at most 511 bytes).
constexpr size_t kTempPathCapacity = 512 + kTempNameBytes;
constexpr int kTempNameAttempts = 16;
// Odd and far from 1, so that runs whose seeds lie close together do not keep
// trying each other's names.
constexpr DWORD kTempNameStride = 0x9E3Bu;

HANDLE RealCreateFile(LPCSTR path, DWORD disposition) {
  return CreateFileA(path, GENERIC_WRITE, 0, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}
DWORD RealGetLastError() { return GetLastError(); }
BOOL RealWriteFile(HANDLE file, const void* data, DWORD size, DWORD* written) {
  return WriteFile(file, data, size, written, nullptr);
}
BOOL RealCloseHandle(HANDLE file) { return CloseHandle(file); }
BOOL RealMoveFile(LPCSTR from, LPCSTR to, DWORD flags) {
  return MoveFileExA(from, to, flags);
}
BOOL RealDeleteFile(LPCSTR path) { return DeleteFileA(path); }

const FileApi kRealFileApi = {RealCreateFile, RealGetLastError,
                              RealWriteFile,  RealCloseHandle,
                              RealMoveFile,   RealDeleteFile};

// Owns an open file handle and closes it once, at the latest when it goes.
class FileHandle {
 public:
  FileHandle(const FileApi& api, HANDLE handle) : api_(api), handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  HANDLE get() const { return handle_; }

  // False when the system reports the close failed: data may not have
  // reached the file.
  bool Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return api_.close_handle(handle) != FALSE;
  }

 private:
  const FileApi& api_;
  HANDLE handle_;
};

void PutLittleEndian32(int32_t value, unsigned char* out) {
  uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) {
    out[i] = static_cast<unsigned char>(bits >> 8 * i);
  }
}

bool WriteImage(const FileApi& api, HANDLE file, const ModelFile& image) {
  DWORD vertex_bytes = 0;
  DWORD conn_bytes = 0;
  if (!ModelBlockBytes(image.vertex_count, kVertexRecordBytes, &vertex_bytes) ||
      !ModelBlockBytes(image.conn_count, kConnEntryBytes, &conn_bytes)) {
    return false;
  }
  unsigned char header[8];
  std::memcpy(header, image.magic, 4);
  PutLittleEndian32(image.version, header + 4);
  unsigned char vertex_count[4];
  unsigned char conn_count[4];
  PutLittleEndian32(image.vertex_count, vertex_count);
  PutLittleEndian32(image.conn_count, conn_count);
  return WriteExactly(api, file, header, sizeof header) &&
         WriteExactly(api, file, vertex_count, sizeof vertex_count) &&
         WriteExactly(api, file, conn_count, sizeof conn_count) &&
         WriteExactly(api, file, image.vertices, vertex_bytes) &&
         WriteExactly(api, file, image.conns, conn_bytes);
}

// The length of the directory part of path, separator included; a drive
// prefix alone counts as a directory.
size_t DirectoryLength(const char* path) {
  size_t length = 0;
  for (size_t i = 0; path[i] != '\0'; ++i) {
    if (path[i] == '\\' || path[i] == '/') length = i + 1;
  }
  if (length == 0 && path[0] != '\0' && path[1] == ':') length = 2;
  return length;
}

// Creates a new, empty file in path's directory and leaves its name in temp;
// never opens a file that already exists.
HANDLE CreateTempBeside(const FileApi& api, const char* path, char* temp) {
  size_t directory = DirectoryLength(path);
  if (directory + kTempNameBytes + 1 > kTempPathCapacity) {
    return INVALID_HANDLE_VALUE;
  }
  std::memcpy(temp, path, directory);
  DWORD seed = GetCurrentProcessId();
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    unsigned int tag =
        static_cast<unsigned int>((seed + attempt * kTempNameStride) & 0xFFFF);
    std::snprintf(temp + directory, kTempNameBytes + 1, "~t3m%04X.tmp", tag);
    HANDLE file = api.create_file(temp, CREATE_NEW);
    if (file != INVALID_HANDLE_VALUE) return file;
    // Only a name already taken is worth another try.
    if (api.get_last_error() != ERROR_FILE_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

unsigned char* NewBlock(const void* source, DWORD bytes) {
  unsigned char* block = new (std::nothrow) unsigned char[bytes]();
  if (block != nullptr && source != nullptr && bytes > 0) {
    std::memcpy(block, source, bytes);
  }
  return block;
}

// An image over two blocks whose sizes the counts were checked to give.
ModelFile* NewImage(unsigned char* vertices, int32_t vertex_count,
                    unsigned char* conns, int32_t conn_count) {
  ModelFile* image = new (std::nothrow) ModelFile();
  if (image == nullptr) return nullptr;
  std::memcpy(image->magic, kMagic, sizeof kMagic);
  image->version = kModelFileVersion;
  image->vertex_count = vertex_count;
  image->conn_count = conn_count;
  image->vertices = vertices;
  image->conns = conns;
  return image;
}

}  // namespace

bool ModelBlockBytes(int32_t count, size_t record_bytes, DWORD* bytes) {
  if (count < 0) return false;
  uint64_t total = static_cast<uint64_t>(count) * record_bytes;
  if (total > kMaxBlockBytes) return false;
  *bytes = static_cast<DWORD>(total);
  return true;
}

ModelFile* CreateModelFile(const void* vertices, int32_t vertex_count,
                           const void* conns, int32_t conn_count) {
  DWORD vertex_bytes = 0;
  DWORD conn_bytes = 0;
  if (!ModelBlockBytes(vertex_count, kVertexRecordBytes, &vertex_bytes) ||
      !ModelBlockBytes(conn_count, kConnEntryBytes, &conn_bytes)) {
    return nullptr;
  }
  unsigned char* vertex_block = NewBlock(vertices, vertex_bytes);
  unsigned char* conn_block =
      vertex_block != nullptr ? NewBlock(conns, conn_bytes) : nullptr;
  ModelFile* image =
      conn_block != nullptr
          ? NewImage(vertex_block, vertex_count, conn_block, conn_count)
          : nullptr;
  if (image == nullptr) {
    delete[] conn_block;
    delete[] vertex_block;
  }
  return image;
}

ModelFile* AdoptModelFile(unsigned char* vertices, int32_t vertex_count,
                          unsigned char* conns, int32_t conn_count) {
  DWORD bytes = 0;
  if (!ModelBlockBytes(vertex_count, kVertexRecordBytes, &bytes) ||
      !ModelBlockBytes(conn_count, kConnEntryBytes, &bytes)) {
    return nullptr;
  }
  return NewImage(vertices, vertex_count, conns, conn_count);
}

void FreeModelFile(ModelFile* image) {
  if (image == nullptr) return;
  delete[] image->vertices;
  delete[] image->conns;
  delete image;
}

const FileApi& RealFileApi() { return kRealFileApi; }

int32_t WriteModelFile(const char* path, const ModelFile& image) {
  return WriteModelFile(path, image, RealFileApi());
}

int32_t WriteModelFile(const char* path, const ModelFile& image,
                       const FileApi& api) {
  assert(path != nullptr);
  if (HasReservedPrefix(path)) return kModelFileReservedPath;
  return ReplaceFileWhole(path, api, [&image](const FileApi& io, HANDLE file) {
    return WriteImage(io, file, image);
  });
}

int32_t ReplaceFileWhole(const char* path, const FileApi& api,
                         const BodyWriter& write_body) {
  char temp[kTempPathCapacity];
  HANDLE handle = CreateTempBeside(api, path, temp);
  if (handle == INVALID_HANDLE_VALUE) return kModelFileCannotCreate;
  int32_t status = kModelFileWritten;
  {
    FileHandle file(api, handle);
    if (!write_body(api, file.get())) status = kModelFileWriteFailed;
    // Closed before the move or the removal, which an open file would block.
    if (!file.Close()) status = kModelFileWriteFailed;
  }
  if (status == kModelFileWritten &&
      !api.move_file(temp, path, MOVEFILE_REPLACE_EXISTING)) {
    status = kModelFileCannotCreate;
  }
  if (status != kModelFileWritten) api.delete_file(temp);
  return status;
}

bool WriteExactly(const FileApi& api, HANDLE file, const void* data,
                  DWORD size) {
  if (size == 0) return true;
  DWORD written = 0;
  return api.write_file(file, data, size, &written) && written == size;
}
