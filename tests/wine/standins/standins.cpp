// Test-only stand-ins for the 95 family's system services, built as mpr.dll and password.cpl (each exports
// its own function; see the .def files). Each records its calls in a file beside the program that loaded it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Beside_Program(const char* name) {
  char path[MAX_PATH] = {};
  const std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return file.substr(0, file.find_last_of('\\') + 1) + name;
}

FILE* Open_Beside_Program(const char* name) { return std::fopen(Beside_Program(name).c_str(), "ab"); }

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

// The saver-password check refuses until a file "pwdaccept" lies beside the program: "pwdcheck.txt".
extern "C" BOOL WINAPI VerifyScreenSavePwd(HWND saver) {
  const bool accept = GetFileAttributesA(Beside_Program("pwdaccept").c_str()) != INVALID_FILE_ATTRIBUTES;
  if (FILE* f = Open_Beside_Program("pwdcheck.txt")) {
    std::fprintf(f, "%s %d\n", accept ? "accepted" : "refused", IsWindow(saver) ? 1 : 0);
    std::fclose(f);
  }
  return accept;
}
