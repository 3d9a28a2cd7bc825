// Which files of the picture folder are listed, and in which order, over an in-memory folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/pict_list.h"
#include "settings/settings_values.h"
#include "tests/unit/fake_file_system.h"
#include "toolkit/dir_search.h"

using namespace Quorvantile_B;
namespace A = toolkit::Attr;

namespace {

class Pict_List_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_fs::Clear();
    fake_fs::Add(L"C:\\pics", A::Directory);
    Kind_Flag = {1, 1, 1, 1};
    Pict_Count = 0;
  }
  static std::vector<std::wstring> Listed() {
    return {Pict_List.begin() + 1, Pict_List.begin() + 1 + Pict_Count};
  }
};

}  // namespace

TEST_F(Pict_List_Test, OnlyExactAttributeValuesOfTheThreePassesAreListed) {
  fake_fs::Add(L"C:\\pics\\none.jpg", 0);
  fake_fs::Add(L"C:\\pics\\archive.jpg", A::Archive);
  fake_fs::Add(L"C:\\pics\\readonly.jpg", A::Read_Only);
  fake_fs::Add(L"C:\\pics\\readonly-archive.jpg", A::Read_Only | A::Archive);
  fake_fs::Add(L"C:\\pics\\hidden.jpg", A::Hidden);
  fake_fs::Add(L"C:\\pics\\system.jpg", A::System | A::Archive);
  fake_fs::Add(L"C:\\pics\\folder.jpg", A::Directory);
  fake_fs::Add(L"C:\\pics\\indexed.jpg", A::Archive | 0x2000);  // bits beyond the five do not count
  Make_Pict_List(L"C:\\pics");
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"C:\\pics\\archive.jpg", L"C:\\pics\\indexed.jpg",
                                                 L"C:\\pics\\none.jpg", L"C:\\pics\\readonly.jpg"}));
}

TEST_F(Pict_List_Test, SortIsByCharacterCodeSoUpperCaseComesFirst) {
  fake_fs::Add(L"C:\\pics\\b.jpg", A::Archive);
  fake_fs::Add(L"C:\\pics\\A.bmp", A::Archive);
  fake_fs::Add(L"C:\\pics\\a.gif", A::Archive);
  fake_fs::Add(L"C:\\pics\\ab.gif", A::Archive);
  fake_fs::Add(L"C:\\pics\\PHOTO.JPG", A::Archive);  // found by *.jpg, kept in its own spelling
  fake_fs::Add(L"C:\\pics\\notes.txt", A::Archive);
  Make_Pict_List(L"C:\\pics");
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"C:\\pics\\A.bmp", L"C:\\pics\\PHOTO.JPG", L"C:\\pics\\a.gif",
                                                 L"C:\\pics\\ab.gif", L"C:\\pics\\b.jpg"}));
}

TEST_F(Pict_List_Test, OnlyKindsSwitchedToExactlyOneAreListed) {
  for (const wchar_t* name : {L"C:\\pics\\a.bmp", L"C:\\pics\\b.gif", L"C:\\pics\\c.jpg", L"C:\\pics\\d.wmf"})
    fake_fs::Add(name, 0);
  Kind_Flag = {1, 2, 0, 1};
  Make_Pict_List(L"C:\\pics");
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"C:\\pics\\a.bmp", L"C:\\pics\\d.wmf"}));
  Kind_Flag = {0, 0, 0, 0};
  Make_Pict_List(L"C:\\pics");
  EXPECT_EQ(Pict_Count, 0);
}

TEST_F(Pict_List_Test, AnUnreadableFileEndsOnlyItsOwnWalk) {
  fake_fs::Add(L"C:\\pics\\1.jpg", 0);
  fake_fs::Add(L"C:\\pics\\2.jpg", 0);
  fake_fs::Add(L"C:\\pics\\3.jpg", 0);
  fake_fs::Add(L"C:\\pics\\4.gif", 0);
  fake_fs::Make_Unreadable(L"C:\\pics\\2.jpg");
  Make_Pict_List(L"C:\\pics");
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"C:\\pics\\1.jpg", L"C:\\pics\\4.gif"}));
}

TEST_F(Pict_List_Test, TheListStopsAt32767EntriesInFindOrderThenSorts) {
  for (int i = 0; i < 32800; ++i) fake_fs::Add(L"C:\\pics\\" + std::to_wstring(100000 - i) + L".jpg", 0);
  fake_fs::Add(L"C:\\pics\\late.gif", A::Archive);  // a later walk ends at its first find
  Make_Pict_List(L"C:\\pics");
  ASSERT_EQ(Pict_Count, 32767);
  EXPECT_EQ(Pict_List[1], L"C:\\pics\\100000.jpg");
  EXPECT_EQ(Pict_List[32767], L"C:\\pics\\99999.jpg");
  for (std::size_t i = 1; i < 32767; ++i) ASSERT_LT(Pict_List[i], Pict_List[i + 1]);
  EXPECT_EQ(std::count(Pict_List.begin(), Pict_List.end(), L"C:\\pics\\67233.jpg"), 0);  // the 32768th find
  EXPECT_EQ(std::count(Pict_List.begin(), Pict_List.end(), L"C:\\pics\\late.gif"), 0);
}

TEST_F(Pict_List_Test, ADriveRootGivesTwoSeparatorsBeforeEachName) {
  fake_fs::Add(L"R:\\x.jpg", 0);
  Make_Pict_List(L"R:\\");
  ASSERT_EQ(Pict_Count, 1);
  EXPECT_EQ(Pict_List[1], L"R:\\\\x.jpg");
}

TEST_F(Pict_List_Test, RebuildingDropsTheEntriesOfTheLastList) {
  fake_fs::Add(L"C:\\pics\\a.jpg", 0);
  fake_fs::Add(L"C:\\other\\b.jpg", 0);
  Make_Pict_List(L"C:\\pics");
  Make_Pict_List(L"C:\\other");
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"C:\\other\\b.jpg"}));
  Make_Pict_List(L"");
  EXPECT_EQ(Pict_Count, 0);
}

TEST(Dir_Part, FolderPartOfAPattern) {
  EXPECT_EQ(Dir_Part(L"C:\\pics\\*.jpg"), L"C:\\pics");
  EXPECT_EQ(Dir_Part(L"C:\\\\*.jpg"), L"C:\\");
  EXPECT_EQ(Dir_Part(L"\\*.jpg"), L"");
  EXPECT_EQ(Dir_Part(L"C:*.jpg"), L"C:");
  EXPECT_EQ(Dir_Part(L"*.jpg"), L"");
}

TEST_F(Pict_List_Test, CheckFolderTakesVisibleFoldersAndFiles) {
  fake_fs::Add(L"C:\\pics\\photo.jpg", 0);
  fake_fs::Add(L"C:\\secret", A::Directory | A::Hidden);
  fake_fs::Add(L"C:\\sys", A::Directory | A::System);
  fake_fs::Add(L"R:\\x.jpg", 0);
  EXPECT_TRUE(Check_Folder(L"C:\\pics"));
  EXPECT_TRUE(Check_Folder(L"C:\\pics\\photo.jpg"));
  EXPECT_FALSE(Check_Folder(L"C:\\secret"));
  EXPECT_FALSE(Check_Folder(L"C:\\sys"));
  EXPECT_FALSE(Check_Folder(L"C:\\missing"));
  EXPECT_TRUE(Check_Folder(L"R:\\"));
  EXPECT_FALSE(Check_Folder(L"Q:\\"));
}
