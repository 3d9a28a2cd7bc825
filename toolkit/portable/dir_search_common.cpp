#include "toolkit/portable/dir_search.h"

namespace toolkit {

std::wstring Dir_Name(const std::wstring& path, int mask) { return Dir_Search(path, mask).Next(); }

}  // namespace toolkit
