#include "catalogue/kind_finds.h"

#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/run_error.h"

namespace Quorvantile_B {

Kind_Finds::Kind_Finds() = default;
Kind_Finds::~Kind_Finds() = default;
Kind_Finds::Kind_Finds(Kind_Finds&&) noexcept = default;
Kind_Finds& Kind_Finds::operator=(Kind_Finds&&) noexcept = default;

void Kind_Finds::Start(const std::wstring& pattern, int attr) {
  pattern_ = pattern;
  folder_ = Dir_Part(pattern) + L"\\";
  attr_ = attr;
  at_ = 0;
  if (!read_) {
    search_.reset();
    finds_.clear();
  }
}

std::optional<std::wstring> Kind_Finds::Next() {
  if (!read_) return Next_Searched();
  while (at_ < finds_.size()) {
    const Found& found = finds_[at_++];
    if (found.Attr == attr_) return found.Name;
  }
  if (error_) std::rethrow_exception(error_);
  return std::nullopt;
}

std::optional<std::wstring> Kind_Finds::Next_Searched() {
  for (;;) {
    try {
      if (!search_) {
        search_ = std::make_unique<toolkit::Dir_Search>(pattern_, attr_);
        if (search_->Start_Error())
          throw toolkit::Run_Error(toolkit::Error_Kind::File, "Directory search failed", search_->Start_Error());
      }
      std::wstring name = search_->Next();
      if (name.empty()) {
        read_ = true;
        return std::nullopt;
      }
      const int name_attr = toolkit::Get_Attr(folder_ + name);
      finds_.push_back({std::move(name), name_attr});
    } catch (...) {
      error_ = std::current_exception();
      read_ = true;
      throw;
    }
    at_ = finds_.size();
    if (finds_.back().Attr == attr_) return finds_.back().Name;
  }
}

Folder_Walks::Folder_Walks(std::wstring folder, const Kind_Flags& Kind_Flag)
    : folder_(std::move(folder)), kinds_(Kind_Flag) {}

bool Folder_Walks::Next_Walk() {
  for (;;) {
    if (done_) return false;
    if (started_ && ++kind_ == finds_.size()) {
      kind_ = 0;
      if (++pass_ == Pass_Attr.size()) {
        pass_ = Pass_Attr.size() - 1;
        done_ = true;
        return false;
      }
    }
    started_ = true;
    if (!Kind_Enabled(kinds_[kind_])) continue;
    pattern_ = folder_ + Kind_Pattern[kind_];
    finds_[kind_].Start(pattern_, Find_Attr());
    return true;
  }
}

}  // namespace Quorvantile_B
