// Test-only stand-ins for the 95 family's system services, built as mpr.dll and password.cpl (each exports
// its own function; see the .def files). Each records its calls in a file beside the program that loaded it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

FILE* Open_Beside_Program(const char* name, bool* first = nullptr) {
  char path[MAX_PATH] = {};
  std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  file = file.substr(0, file.find_last_of('\\') + 1) + name;
  if (first) *first = GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES;
  return std::fopen(file.c_str(), "ab");
}

}  // namespace

// The password change: "pwdchange.txt".
extern "C" DWORD WINAPI PwdChangePasswordA(LPCSTR key, HWND parent, UINT reserved1, UINT reserved2) {
  if (FILE* f = Open_Beside_Program("pwdchange.txt")) {
    std::fprintf(f, "%s %lld %u %u\n", key, static_cast<long long>(reinterpret_cast<INT_PTR>(parent)), reserved1,
                 reserved2);
    std::fclose(f);
  }
  return 0;
}

// The saver-password check refuses the first call and accepts every later one: "pwdcheck.txt".
extern "C" BOOL WINAPI VerifyScreenSavePwd(HWND saver) {
  bool first = false;
  if (FILE* f = Open_Beside_Program("pwdcheck.txt", &first)) {
    std::fprintf(f, "%s %d\n", first ? "refused" : "accepted", IsWindow(saver) ? 1 : 0);
    std::fclose(f);
  }
  return !first;
}
