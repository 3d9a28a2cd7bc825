#pragma once
// An in-memory folder tree behind the directory search, for the native tests. Paths have backslashes; a search
// finds entries in the order they were added; an unreadable entry is found, but its attributes cannot be read.
#include <string>

namespace fake_fs {
void Clear();
void Add(const std::wstring& path, int attr, bool readable = true);
}  // namespace fake_fs
