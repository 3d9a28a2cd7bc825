// The picture list built from a real folder: attribute passes, hidden entries, sort and a drive root.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/pict_list.h"
#include "settings/settings_values.h"
#include "tests/wine/driver.h"

using namespace Quorvantile_B;

namespace {

class Pict_List : public ::testing::Test {
 protected:
  void SetUp() override {
    Kind_Flag = {1, 1, 1, 1};
    Pict_Count = 0;
  }
  driver::Install install{L"pictlist"};
  void File(const std::wstring& name, DWORD attr) {
    driver::Write_Bytes(install.Path(name), "x");
    SetFileAttributesW(install.Path(name).c_str(), attr);
  }
  static std::vector<std::wstring> Listed() {
    return {Quorvantile_B::Pict_List.begin() + 1, Quorvantile_B::Pict_List.begin() + 1 + Pict_Count};
  }
};

}  // namespace

TEST_F(Pict_List, PassesKeepExactAttributeValuesAndSkipHiddenEntries) {
  DeleteFileW(install.Scr().c_str());
  File(L"none.jpg", FILE_ATTRIBUTE_NORMAL);
  File(L"archive.jpg", FILE_ATTRIBUTE_ARCHIVE);
  File(L"readonly.jpg", FILE_ATTRIBUTE_READONLY);
  File(L"readonly-archive.jpg", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  File(L"hidden.jpg", FILE_ATTRIBUTE_HIDDEN);
  File(L"system.jpg", FILE_ATTRIBUTE_SYSTEM);
  File(L"notes.txt", FILE_ATTRIBUTE_ARCHIVE);
  CreateDirectoryW(install.Path(L"folder.jpg").c_str(), nullptr);
  ASSERT_TRUE(Check_Folder(install.Dir()));
  Make_Pict_List(install.Dir());
  // The file system has the last word on attributes (Wine marks every file as archived), so the files
  // expected are those whose value, as the system reports it, is exactly 0, 32 or 1.
  std::vector<std::wstring> expected;
  for (const wchar_t* name : {L"archive.jpg", L"none.jpg", L"readonly-archive.jpg", L"readonly.jpg"}) {
    const DWORD attr = GetFileAttributesW(install.Path(name).c_str()) & 0x37;
    if (attr == 0 || attr == 32 || attr == 1) expected.push_back(install.Path(name));
  }
  EXPECT_EQ(Listed(), expected);
  EXPECT_EQ(std::count(expected.begin(), expected.end(), install.Path(L"archive.jpg")), 1);
}

TEST_F(Pict_List, NamesSortByCharacterCodeInTheirOwnSpelling) {
  for (const wchar_t* name : {L"b.jpg", L"A.bmp", L"a.gif", L"PHOTO.JPG", L"\u5199\u771F.gif", L"z.wmf"})
    File(name, FILE_ATTRIBUTE_ARCHIVE);
  Kind_Flag = {1, 1, 1, 0};
  Make_Pict_List(install.Dir());
  const std::wstring d = install.Dir() + L"\\";
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{d + L"A.bmp", d + L"PHOTO.JPG", d + L"a.gif", d + L"b.jpg",
                                                 d + L"\u5199\u771F.gif"}));
}

TEST_F(Pict_List, ADriveRootListsPathsThatStillOpen) {
  // R: is the bench's spare drive, an empty folder of its own.
  driver::Write_Bytes(L"R:\\root.bmp", "x");
  ASSERT_TRUE(Check_Folder(L"R:\\"));
  Make_Pict_List(L"R:\\");
  ASSERT_EQ(Pict_Count, 1);
  EXPECT_EQ(Quorvantile_B::Pict_List[1], L"R:\\\\root.bmp");
  EXPECT_EQ(driver::Read_Bytes(Quorvantile_B::Pict_List[1]).size(), 1u);
  DeleteFileW(L"R:\\root.bmp");
}

TEST_F(Pict_List, CheckFolderRefusesMissingAndHiddenFolders) {
  EXPECT_TRUE(Check_Folder(install.Scr()));  // a plain file passes
  EXPECT_FALSE(Check_Folder(install.Path(L"missing")));
  CreateDirectoryW(install.Path(L"secret").c_str(), nullptr);
  SetFileAttributesW(install.Path(L"secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(Check_Folder(install.Path(L"secret")));
  EXPECT_FALSE(Check_Folder(L""));
}
