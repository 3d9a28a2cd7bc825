// Which files of the picture folder are listed, and in which order, over an in-memory folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/pict_list.h"
#include "catalogue/picture_walk.h"
#include "tests/unit/fake_file_system.h"
#include "toolkit/portable/ansi.h"
#include "toolkit/portable/dir_search.h"

using namespace Quorvantile_B;
namespace A = toolkit::Attr;
using Names = std::vector<std::wstring>;

namespace {

// The list built from the folder, after adding these entries to it.
Names Listed(const std::wstring& folder, std::initializer_list<std::pair<const wchar_t*, int>> entries = {},
             const Kind_Flags& kinds = {1, 1, 1, 1, 1}, bool subfolders = false) {
  for (const auto& [path, attr] : entries) fake_fs::Add(path, attr);
  const Catalogue pictures = Make_Pict_List(folder, kinds, subfolders);
  EXPECT_EQ(pictures.Pict_List.size(), static_cast<std::size_t>(pictures.Pict_Count) + 1);
  return {pictures.Pict_List.begin() + 1, pictures.Pict_List.end()};
}

class Pict_List_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_fs::Clear();
    fake_fs::Add(L"C:\\p", A::Directory);
  }
};

}  // namespace

// Attribute values 0, archive and read-only, exactly (bits beyond the five do not count); sorted by character code.
TEST_F(Pict_List_Test, ThreePassesKeepExactAttributeValuesAndTheSortIsByCharacterCode) {
  EXPECT_EQ(Listed(L"C:\\p", {{L"C:\\p\\none.jpg", 0},
                              {L"C:\\p\\arc.bmp", A::Archive},
                              {L"C:\\p\\ro.gif", A::Read_Only},
                              {L"C:\\p\\ro-arc.jpg", A::Read_Only | A::Archive},
                              {L"C:\\p\\hidden.jpg", A::Hidden},
                              {L"C:\\p\\sys.jpg", A::System | A::Archive},
                              {L"C:\\p\\dir.jpg", A::Directory},
                              {L"C:\\p\\Indexed.JPG", A::Archive | 0x2000},
                              {L"C:\\p\\notes.txt", A::Archive},
                              {L"C:\\p\\B.wmf", 0}}),
            (Names{L"C:\\p\\B.wmf", L"C:\\p\\Indexed.JPG", L"C:\\p\\arc.bmp", L"C:\\p\\none.jpg", L"C:\\p\\ro.gif"}));
}

TEST_F(Pict_List_Test, OnlyKindsSwitchedToExactlyOneAreListedAnUnreadableFileEndsItsWalkAndARebuildStartsAfresh) {
  EXPECT_EQ(Listed(L"C:\\p",
                   {{L"C:\\p\\a.bmp", 0}, {L"C:\\p\\b.gif", 0}, {L"C:\\p\\c.jpg", 0}, {L"C:\\p\\d.wmf", 0}, {L"C:\\p\\e.png", 0}},
                   {1, 2, 0, 1, 0}),
            (Names{L"C:\\p\\a.bmp", L"C:\\p\\d.wmf"}));
  EXPECT_EQ(Listed(L"C:\\p", {}, {0, 0, 0, 0, 1}), Names{L"C:\\p\\e.png"});
  fake_fs::Add(L"C:\\q\\1.jpg", 0);
  fake_fs::Add(L"C:\\q\\2.jpg", 0, false);
  EXPECT_EQ(Listed(L"C:\\q", {{L"C:\\q\\3.jpg", 0}, {L"C:\\q\\4.gif", 0}}), (Names{L"C:\\q\\1.jpg", L"C:\\q\\4.gif"}));
  EXPECT_EQ(Listed(L""), Names{});
  EXPECT_EQ(Listed(L"C:\\p", {}, {0, 0, 0, 0, 0}), Names{});
}

// The finds stop at 32767, in the folder or below it: the 32768th and every later walk's are left out; then the list
// is sorted.
TEST_F(Pict_List_Test, TheListStopsAt32767EntriesInFindOrderThenSorts) {
  for (const std::wstring in : {L"C:\\p\\", L"C:\\p\\big\\"}) {
    SetUp();
    fake_fs::Add(L"C:\\p\\big", A::Directory);
    for (int i = 0; i < 32800; ++i) fake_fs::Add(in + std::to_wstring(100000 - i) + L".jpg", 0);
    const Names listed =
        Listed(L"C:\\p", {{(in + L"late.gif").c_str(), A::Archive}, {L"C:\\p\\z", A::Directory}, {L"C:\\p\\z\\z.bmp", 0}},
               {1, 1, 1, 1, 1}, true);
    ASSERT_EQ(listed.size(), 32767u);
    EXPECT_EQ(listed.front(), in + L"100000.jpg");
    EXPECT_EQ(listed.back(), in + L"99999.jpg");
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
    for (const std::wstring& out : {in + L"67233.jpg", in + L"late.gif", std::wstring(L"C:\\p\\z\\z.bmp")})
      EXPECT_EQ(std::count(listed.begin(), listed.end(), out), 0) << toolkit::To_Ansi(out);  // the 32768th, later walks
  }
}

TEST_F(Pict_List_Test, ADriveRootGivesTwoSeparatorsAndCheckFolderTakesVisibleFoldersAndFiles) {
  EXPECT_EQ(Listed(L"R:\\", {{L"R:\\x.jpg", 0}}), Names{L"R:\\\\x.jpg"});
  for (const auto& [pattern, part] : {std::pair{L"C:\\p\\*.jpg", L"C:\\p"},
                                      {L"C:\\\\*.jpg", L"C:\\"},
                                      {L"\\*.jpg", L""},
                                      {L"C:*.jpg", L"C:"},
                                      {L"*.jpg", L""}})
    EXPECT_EQ(Dir_Part(pattern), part) << pattern;
  Listed(L"",
         {{L"C:\\p\\photo.jpg", 0}, {L"C:\\secret", A::Directory | A::Hidden}, {L"C:\\sys", A::Directory | A::System}});
  for (const auto& [path, usable] : {std::pair{L"C:\\p", true},
                                     {L"C:\\p\\photo.jpg", true},
                                     {L"R:\\", true},
                                     {L"C:\\secret", false},
                                     {L"C:\\sys", false},
                                     {L"C:\\gone", false},
                                     {L"Q:\\", false}})
    EXPECT_EQ(Check_Folder(path), usable) << path;
}

// Search order, not names, decides which folder comes first; each folder's own pictures come before its folders'.
TEST_F(Pict_List_Test, SubfoldersAreWalkedDepthFirstButNotHiddenSystemOrLinkedOnesAndTheListIsSortedWhole) {
  for (const auto& [path, attr] : std::initializer_list<std::pair<const wchar_t*, int>>{
           {L"z.jpg", 0}, {L"year", A::Directory}, {L"year\\trip", A::Directory}, {L"year\\trip\\deep.jpg", 0},
           {L"year\\y.jpg", 0}, {L"alpha", A::Directory}, {L"alpha\\a.jpg", 0}, {L"secret", A::Directory | A::Hidden},
           {L"secret\\s.jpg", 0}, {L"sys", A::Directory | A::System}, {L"sys\\s.jpg", 0},
           {L"loop", A::Directory | A::Reparse_Point}, {L"loop\\l.jpg", 0}, {L"a.bmp", 0}})
    fake_fs::Add(L"C:\\p\\" + std::wstring(path), attr);
  const auto in_p = [](Names names) {
    for (auto& name : names) name = L"C:\\p\\" + name;
    return names;
  };
  EXPECT_EQ(Listed(L"C:\\p", {}, {1, 1, 1, 1, 1}, true),
            in_p({L"a.bmp", L"alpha\\a.jpg", L"year\\trip\\deep.jpg", L"year\\y.jpg", L"z.jpg"}));
  Picture_Walk walk(L"C:\\p", {1, 1, 1, 1, 1}, true);
  Names found;
  while (walk.Next_Walk())
    while (const auto name = walk.Next_Find()) found.push_back(Dir_Part(walk.Pattern()) + L"\\" + *name);
  EXPECT_EQ(found, in_p({L"a.bmp", L"z.jpg", L"year\\y.jpg", L"year\\trip\\deep.jpg", L"alpha\\a.jpg"}));
  EXPECT_EQ(Listed(L"C:\\p"), in_p({L"a.bmp", L"z.jpg"}));
}
