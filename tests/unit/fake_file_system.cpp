#include "tests/unit/fake_file_system.h"

#include <cwctype>
#include <map>

#include "toolkit/dir_search.h"
#include "toolkit/run_error.h"

namespace fake_fs {
namespace {

// Entries by folder, in the order added, and attributes by path; keys are normalised paths.
std::map<std::wstring, std::vector<std::wstring>> names_by_folder;
std::map<std::wstring, int> attr_by_path;
std::set<std::wstring> unreadable;

std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

// Wildcard match of * and ?, without regard to case.
bool Match(const std::wstring& pattern, const std::wstring& name) {
  const std::wstring p = Lower(pattern), n = Lower(name);
  std::size_t pi = 0, ni = 0, star = std::wstring::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == L'?' || p[pi] == n[ni])) {
      ++pi, ++ni;
    } else if (pi < p.size() && p[pi] == L'*') {
      star = pi++, mark = ni;
    } else if (star != std::wstring::npos) {
      pi = star + 1, ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == L'*') ++pi;
  return pi == p.size();
}

// Removes the doubled separators that a drive root produces, as the platform does, and a trailing one.
std::wstring Normal(const std::wstring& path) {
  std::wstring out;
  for (wchar_t c : path)
    if (!(c == L'\\' && !out.empty() && out.back() == L'\\')) out += c;
  if (!out.empty() && out.back() == L'\\') out.pop_back();
  return Lower(out);
}

std::wstring Folder_Of(const std::wstring& path) {
  const std::size_t s = path.find_last_of(L'\\');
  return s == std::wstring::npos ? std::wstring() : path.substr(0, s);
}

}  // namespace

void Clear() {
  names_by_folder.clear();
  attr_by_path.clear();
  unreadable.clear();
}

void Add(const std::wstring& path, int attr) {
  names_by_folder[Normal(Folder_Of(path))].push_back(path.substr(path.find_last_of(L'\\') + 1));
  attr_by_path[Normal(path)] = attr;
}
void Make_Unreadable(const std::wstring& path) { unreadable.insert(Normal(path)); }

}  // namespace fake_fs

namespace toolkit {

struct Dir_Search::Impl {
  std::vector<std::wstring> Names;
  std::size_t Next = 0;
};

Dir_Search::Dir_Search(const std::wstring& pattern, int mask) : impl_(std::make_unique<Impl>()) {
  std::wstring p = pattern;
  if (!p.empty() && p.back() == L'\\') p += L'*';
  const std::wstring folder = fake_fs::Normal(fake_fs::Folder_Of(p));
  const std::wstring name_pattern = p.substr(p.find_last_of(L'\\') + 1);
  const int hidden_bits = Attr::Hidden | Attr::System | Attr::Directory;
  for (const auto& name : fake_fs::names_by_folder[folder]) {
    const int attr = fake_fs::attr_by_path[fake_fs::Normal(folder + L"\\" + name)];
    if (fake_fs::Match(name_pattern, name) && (attr & hidden_bits & ~mask) == 0) impl_->Names.push_back(name);
  }
}

Dir_Search::~Dir_Search() = default;

std::wstring Dir_Search::Next() {
  return impl_->Next < impl_->Names.size() ? impl_->Names[impl_->Next++] : std::wstring();
}

int Get_Attr(const std::wstring& path) {
  const std::wstring key = fake_fs::Normal(path);
  const auto found = fake_fs::attr_by_path.find(key);
  if (found != fake_fs::attr_by_path.end() && !fake_fs::unreadable.count(key)) return found->second & Attr::Known;
  throw Run_Error(Error_Kind::File, "File not found");
}

}  // namespace toolkit
