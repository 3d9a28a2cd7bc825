#pragma once
// The runtime's directory search and attribute query.
//
// A search returns, one at a time, the names (without folder) of the entries that match a pattern whose
// last part may hold * and ?. Plain files are always returned; hidden, system and folder entries only
// when the mask holds their bit. A pattern that ends in a separator lists the folder's contents.
#include <cstdint>
#include <memory>
#include <string>

namespace toolkit {

namespace Attr {
constexpr int Normal = 0, Read_Only = 1, Hidden = 2, System = 4, Directory = 16, Archive = 32;
// Only these five bits take part in a file's attribute value; indexing, compression and the like do not.
constexpr int Known = Read_Only | Hidden | System | Directory | Archive;
// A folder link or junction (or a file's link), which a search reports beside the five.
constexpr int Reparse_Point = 0x400;
}  // namespace Attr

class Dir_Search {
 public:
  Dir_Search(const std::wstring& pattern, int mask);
  ~Dir_Search();
  Dir_Search(const Dir_Search&) = delete;
  Dir_Search& operator=(const Dir_Search&) = delete;

  // The next matching name, or empty text when there is none; with attributes, its attributes as the search found
  // them, every bit.
  std::wstring Next(int* attributes = nullptr);
  // The platform's error number when the search could not start; 0 when it started, or found nothing to start
  // with. A search that could not start returns no names.
  std::uint32_t Start_Error() const { return start_error_; }

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
  std::uint32_t start_error_ = 0;
};

// The first name that a search for path with mask returns; empty text when there is none, or the search
// could not start.
std::wstring Dir_Name(const std::wstring& path, int mask);

// The attribute value of a file or folder, limited to Attr::Known; raises a File error when it cannot be read.
int Get_Attr(const std::wstring& path);

}  // namespace toolkit
