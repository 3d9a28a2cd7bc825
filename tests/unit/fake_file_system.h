#pragma once
// An in-memory folder tree behind the runtime's directory search, for the native tests.
// Entries are full paths with backslashes; the search returns them in the order they were added.
#include <set>
#include <string>
#include <vector>

namespace fake_fs {

void Clear();
void Add(const std::wstring& path, int attr);
// Get_Attr fails for this path, as for a file whose attributes cannot be read.
void Make_Unreadable(const std::wstring& path);

}  // namespace fake_fs
