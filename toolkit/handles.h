#pragma once
// Owners of kernel handles and memory: each releases what it holds once.
#include <windows.h>

#include <utility>

namespace toolkit {

// A file or search handle, closed with its owner.
class File_Handle {
 public:
  explicit File_Handle(HANDLE h) : h_(h) {}
  ~File_Handle() {
    if (h_ != INVALID_HANDLE_VALUE && h_ != nullptr) CloseHandle(h_);
  }
  File_Handle(const File_Handle&) = delete;
  File_Handle& operator=(const File_Handle&) = delete;
  HANDLE Get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }

 private:
  HANDLE h_;
};

// Movable global memory, freed with its owner unless handed on.
class Global_Memory {
 public:
  explicit Global_Memory(SIZE_T size) : h_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
  ~Global_Memory() {
    if (h_) GlobalFree(h_);
  }
  Global_Memory(const Global_Memory&) = delete;
  Global_Memory& operator=(const Global_Memory&) = delete;
  HGLOBAL Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  // The memory now belongs to whoever took it.
  HGLOBAL Release() { return std::exchange(h_, nullptr); }

 private:
  HGLOBAL h_;
};

// A key under HKEY_CURRENT_USER opened for reading, closed with its owner.
class Registry_Key {
 public:
  explicit Registry_Key(const char* key) {
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &h_) != ERROR_SUCCESS) h_ = nullptr;
  }
  ~Registry_Key() {
    if (h_) RegCloseKey(h_);
  }
  Registry_Key(const Registry_Key&) = delete;
  Registry_Key& operator=(const Registry_Key&) = delete;
  HKEY Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HKEY h_ = nullptr;
};

}  // namespace toolkit
