#pragma once
// The path of a file in the folder of the program that loaded the stand-in, where it records its calls.
#include <windows.h>

#include <string>

inline std::string Beside_Program(const char* name) {
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}
