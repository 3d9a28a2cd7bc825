#pragma once
// The walks of a folder's pictures and, with its subfolders, of every folder below it: depth first, each folder's own
// walks before those of the folders in it, which follow in the search's order. Hidden and system folders are not
// entered, nor folder links and junctions, so that no walk comes back to a folder it has been in.
#include <optional>
#include <string>
#include <vector>

#include "catalogue/kind_finds.h"

namespace Quorvantile_B {

class Picture_Walk {
 public:
  Picture_Walk(const std::wstring& folder, const Kind_Flags& Kind_Flag, bool subfolders);
  // Moves on to the next walk, of this folder or of the next; false when none is left.
  bool Next_Walk();
  // The pattern of the current walk.
  const std::wstring& Pattern() const { return walks_->Pattern(); }
  // The next find of the current walk (a file's name), or nothing at the walk's end; raises the walk's error.
  std::optional<std::wstring> Next_Find() { return walks_->Next_Find(); }

 private:
  Kind_Flags kinds_;
  bool subfolders_;
  // The folders still to walk, the next one last; the one walked now.
  std::vector<std::wstring> pending_;
  std::wstring folder_;
  std::optional<Folder_Walks> walks_;
};

// The folders in a folder that a walk enters, in the search's order; none where the folder cannot be searched.
std::vector<std::wstring> Subfolders(const std::wstring& folder);

}  // namespace Quorvantile_B
