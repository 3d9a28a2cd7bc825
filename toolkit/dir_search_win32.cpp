#include <windows.h>

#include "toolkit/dir_search.h"
#include "toolkit/run_error.h"

namespace toolkit {
namespace {

bool Wanted(const WIN32_FIND_DATAW& d, int mask) {
  const int hidden_bits = Attr::Hidden | Attr::System | Attr::Directory;
  return (static_cast<int>(d.dwFileAttributes) & hidden_bits & ~mask) == 0;
}

}  // namespace

struct Dir_Search::Impl {
  HANDLE Find = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW Data{};
  bool Have_Data = false;
  int Mask = 0;
  ~Impl() {
    if (Find != INVALID_HANDLE_VALUE) FindClose(Find);
  }
};

Dir_Search::Dir_Search(const std::wstring& pattern, int mask) : impl_(std::make_unique<Impl>()) {
  std::wstring p = pattern;
  if (!p.empty() && (p.back() == L'\\' || p.back() == L'/')) p += L'*';
  impl_->Mask = mask;
  impl_->Find = FindFirstFileW(p.c_str(), &impl_->Data);
  if (impl_->Find == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code != ERROR_FILE_NOT_FOUND && code != ERROR_NO_MORE_FILES && code != ERROR_PATH_NOT_FOUND)
      throw Run_Error(Error_Kind::File, "Directory search failed", code);
    return;  // nothing matches: the search returns no names
  }
  impl_->Have_Data = true;
}

Dir_Search::~Dir_Search() = default;

std::wstring Dir_Search::Next() {
  while (impl_->Have_Data) {
    const WIN32_FIND_DATAW d = impl_->Data;
    impl_->Have_Data = FindNextFileW(impl_->Find, &impl_->Data) != 0;
    if (Wanted(d, impl_->Mask)) return d.cFileName;
  }
  return {};
}

int Get_Attr(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) throw Run_Error(Error_Kind::File, "File not found", GetLastError());
  return static_cast<int>(a) & Attr::Known;
}

}  // namespace toolkit
