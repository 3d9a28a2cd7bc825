#pragma once
// What one kind's search finds, read once for the three passes. The passes' searches of one pattern return
// the same names (their masks differ in no bit that hides a plain file), so the first walk of a kind searches
// and reads each name's attribute value, and the later passes walk what it read. On a big folder that saves
// two searches of the folder and two attribute queries a file.
#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"
#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/run_error.h"

namespace Quorvantile_B {

class Kind_Finds {
 public:
  // Calls take(name) for each find of the pattern whose attribute value is attr, in the order found, while take
  // returns true; false when take stopped the walk. The error of a search that cannot start, or of a name whose
  // attribute value cannot be read, is raised where the walk meets it, in the first walk and every later one.
  template <class Take>
  bool Walk(const std::wstring& pattern, int attr, Take&& take) {
    if (!read_) return First_Walk(pattern, attr, take);
    for (const Found& found : finds_)
      if (found.Attr == attr && !take(found.Name)) return false;
    if (error_) std::rethrow_exception(error_);
    return true;
  }

 private:
  struct Found {
    std::wstring Name;
    int Attr;
  };

  // Searches and reads while it walks. Only a walk that reached the end of the search, or its error, is kept:
  // one that take stopped or failed in leaves the next walk to search afresh.
  template <class Take>
  bool First_Walk(const std::wstring& pattern, int attr, Take& take) {
    finds_.clear();
    const std::wstring folder = Dir_Part(pattern) + L"\\";
    std::optional<toolkit::Dir_Search> search;
    for (;;) {
      try {
        if (!search && search.emplace(pattern, attr).Start_Error())
          throw toolkit::Run_Error(toolkit::Error_Kind::File, "Directory search failed", search->Start_Error());
        std::wstring name = search->Next();
        if (name.empty()) break;
        const int name_attr = toolkit::Get_Attr(folder + name);
        finds_.push_back({std::move(name), name_attr});
      } catch (...) {
        error_ = std::current_exception();
        read_ = true;
        throw;
      }
      if (finds_.back().Attr == attr && !take(finds_.back().Name)) return false;
    }
    read_ = true;
    return true;
  }

  bool read_ = false;
  std::vector<Found> finds_;
  std::exception_ptr error_;
};

// The walks of a folder's pictures, in their order: pass by pass, and within a pass kind by kind, each enabled
// kind's search read once for the three passes. Calls walk(pattern, finds) with Find_Attr set to the pass's
// value, while it returns true.
template <class Walk>
void For_Each_Walk(const std::wstring& folder, Walk&& walk) {
  std::array<Kind_Finds, 4> finds;
  for (const std::int16_t pass : Pass_Attr) {
    Find_Attr = pass;
    for (std::size_t kind = 0; kind < finds.size(); ++kind)
      if (Kind_Enabled(static_cast<int>(kind)) && !walk(folder + Kind_Pattern[kind], finds[kind])) return;
  }
}

}  // namespace Quorvantile_B
