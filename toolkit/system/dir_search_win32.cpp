#include <windows.h>

#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/run_error.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/system_text.h"

namespace toolkit {
namespace {

bool Wanted(DWORD attributes, int mask) {
  const int hidden_bits = Attr::Hidden | Attr::System | Attr::Directory;
  return (static_cast<int>(attributes) & hidden_bits & ~mask) == 0;
}

}  // namespace

struct Dir_Search::Impl {
  Find_Handle Find;
  Found_File Data;
  bool Have_Data = false;
  int Mask = 0;
};

Dir_Search::Dir_Search(const std::wstring& pattern, int mask) : impl_(std::make_unique<Impl>()) {
  std::wstring p = pattern;
  if (!p.empty() && (p.back() == L'\\' || p.back() == L'/')) p += L'*';
  impl_->Mask = mask;
  impl_->Find.Reset(Find_First(p, impl_->Data));
  if (!impl_->Find) {
    const DWORD code = GetLastError();
    if (code != ERROR_FILE_NOT_FOUND && code != ERROR_NO_MORE_FILES && code != ERROR_PATH_NOT_FOUND)
      start_error_ = code;
    return;
  }
  impl_->Have_Data = true;
}

Dir_Search::~Dir_Search() = default;

std::wstring Dir_Search::Next(int* attributes) {
  while (impl_->Have_Data) {
    Found_File d = impl_->Data;
    impl_->Have_Data = Find_Next(impl_->Find.Get(), impl_->Data);
    if (!Wanted(d.Attributes, impl_->Mask)) continue;
    if (attributes) *attributes = static_cast<int>(d.Attributes);
    return d.Name;
  }
  return {};
}

int Get_Attr(const std::wstring& path) {
  const DWORD a = File_Attributes(path);
  if (a == INVALID_FILE_ATTRIBUTES) throw Run_Error(Error_Kind::File, "File not found", GetLastError());
  return static_cast<int>(a) & Attr::Known;
}

}  // namespace toolkit
