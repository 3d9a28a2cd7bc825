#include "tests/unit/fake_file_system.h"

#include <cwctype>
#include <map>
#include <vector>

#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/run_error.h"

namespace fake_fs {
namespace {

// Entries in the order added, as folder and name, and their attributes and whether those can be read, both as the
// platform takes paths: without regard to case, without the doubled separator of a drive root or a trailing one.
std::vector<std::pair<std::wstring, std::wstring>> entries;
std::map<std::pair<std::wstring, std::wstring>, std::pair<int, bool>> attr_of;

std::wstring Normal(const std::wstring& path) {
  std::wstring out;
  for (const wchar_t c : path)
    if (c != L'\\' || out.empty() || out.back() != L'\\') out += static_cast<wchar_t>(std::towlower(c));
  if (!out.empty() && out.back() == L'\\') out.pop_back();
  return out;
}

std::pair<std::wstring, std::wstring> Split(const std::wstring& path) {
  const std::size_t at = path.find_last_of(L'\\');
  return {Normal(path.substr(0, at)), path.substr(at + 1)};
}

}  // namespace

void Clear() {
  entries.clear();
  attr_of.clear();
}

void Add(const std::wstring& path, int attr, bool readable) {
  const auto [folder, name] = Split(path);
  entries.emplace_back(folder, name);
  attr_of[{folder, Normal(name)}] = {attr, readable};
}

}  // namespace fake_fs

namespace toolkit {

struct Dir_Search::Impl {
  std::vector<std::pair<std::wstring, int>> Found;
  std::size_t Next = 0;
};

// The program searches with "*.ext", with an exact name, or with a folder and its separator ("R:\").
Dir_Search::Dir_Search(const std::wstring& pattern, int mask) : impl_(std::make_unique<Impl>()) {
  const auto [folder, name] = fake_fs::Split(pattern.back() == L'\\' ? pattern + L"*" : pattern);
  const std::wstring want = fake_fs::Normal(name);
  for (const auto& [in, found] : fake_fs::entries) {
    const std::wstring n = fake_fs::Normal(found);
    const bool match = want == L"*" || n == want || (want[0] == L'*' && n.ends_with(want.substr(1)));
    const int hides = fake_fs::attr_of[{in, n}].first & (Attr::Hidden | Attr::System | Attr::Directory) & ~mask;
    if (in == folder && match && hides == 0) impl_->Found.emplace_back(found, fake_fs::attr_of[{in, n}].first);
  }
}

Dir_Search::~Dir_Search() = default;

std::wstring Dir_Search::Next(int* attributes) {
  if (impl_->Next == impl_->Found.size()) return {};
  const auto& [name, attr] = impl_->Found[impl_->Next++];
  if (attributes) *attributes = attr;
  return name;
}

int Get_Attr(const std::wstring& path) {
  const auto [folder, name] = fake_fs::Split(path);
  const auto found = fake_fs::attr_of.find({folder, fake_fs::Normal(name)});
  if (found == fake_fs::attr_of.end() || !found->second.second) throw Run_Error(Error_Kind::File, "File not found");
  return found->second.first & Attr::Known;
}

}  // namespace toolkit
