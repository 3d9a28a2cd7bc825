#pragma once
// An in-memory folder tree behind the directory search, for the native tests. Paths have backslashes; a
// search finds entries in the order they were added.
#include <string>

namespace fake_fs {

void Clear();
// An unreadable entry is listed, but reading its attributes fails.
void Add(const std::wstring& path, int attr, bool readable = true);

}  // namespace fake_fs
