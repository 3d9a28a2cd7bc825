#pragma once
// The walks of a folder's pictures, one find at a time, so that a walk can be resumed where it stopped.
#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"

namespace toolkit {
class Dir_Search;
}

namespace Quorvantile_B {

// What one kind's search finds, read once for the three passes. The passes' searches of one pattern return the
// same names (their masks differ in no bit that hides a plain file), so the first walk of a kind searches and reads
// each name's attribute value, and the later passes walk what it read. On a big folder that saves two searches of
// the folder and two attribute queries a file.
class Kind_Finds {
 public:
  Kind_Finds();
  ~Kind_Finds();
  Kind_Finds(Kind_Finds&&) noexcept;
  Kind_Finds& operator=(Kind_Finds&&) noexcept;

  // Starts a walk of the pattern for the files whose attribute value is attr.
  void Start(const std::wstring& pattern, int attr);
  // The next such file's name, in the order found, or nothing at the walk's end. Raises the error of a search that
  // cannot start, or of a name whose attribute value cannot be read, where the walk meets it, in the first walk and
  // every later one.
  std::optional<std::wstring> Next();

 private:
  struct Found {
    std::wstring Name;
    int Attr;
  };
  std::optional<std::wstring> Next_Searched();

  std::wstring pattern_, folder_;
  int attr_ = 0;
  // The first walk searches while it goes; it keeps what it found, and its error, for the later walks. A walk that
  // stopped before the search's end leaves the next to search afresh.
  std::unique_ptr<toolkit::Dir_Search> search_;
  bool read_ = false;
  std::vector<Found> finds_;
  std::size_t at_ = 0;
  std::exception_ptr error_;
};

// The walks of a folder's pictures in their order: pass by pass, and within a pass kind by kind, for the enabled
// kinds.
class Folder_Walks {
 public:
  Folder_Walks(std::wstring folder, const Kind_Flags& Kind_Flag);
  // Moves on to the next walk; false when none is left.
  bool Next_Walk();
  // The pattern and attribute value of the current walk.
  const std::wstring& Pattern() const { return pattern_; }
  std::int16_t Find_Attr() const { return Pass_Attr[pass_]; }
  // The next find of the current walk (a file's name), or nothing at the walk's end; raises the walk's error.
  std::optional<std::wstring> Next_Find() { return finds_[kind_].Next(); }

 private:
  std::wstring folder_, pattern_;
  Kind_Flags kinds_;
  std::size_t pass_ = 0, kind_ = 0;
  bool started_ = false, done_ = false;
  std::array<Kind_Finds, Kind_Count> finds_;
};

}  // namespace Quorvantile_B
