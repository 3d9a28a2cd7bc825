// Reading and writing the settings file, over an in-memory settings file and folder.
#include <gtest/gtest.h>

#include "catalogue/pict_list.h"
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "tests/unit/fake_file_system.h"
#include "tests/unit/fake_profile.h"
#include "toolkit/dir_search.h"

using namespace Quorvantile_B;

namespace {

const std::string Ini = "C:\\saver\\Quorvantile.ini";

class Settings_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    fake_profile::Lines().clear();
    fake_fs::Clear();
    Change_Mode = Size_Mode = 0;
    Kind_Flag = {0, 0, 0, 0};
    Pict_Folder.clear();
    Pict_Count = 0;
  }
  static void Store(const std::string& key, const std::string& value) {
    fake_profile::Lines().push_back({Ini, Ini_Key::Section, key, value});
  }
};

}  // namespace

TEST_F(Settings_Test, AMissingFileGivesEveryDefault) {
  Change_Mode = 1;
  Size_Mode = 1;
  Load_Settings(Ini);
  EXPECT_EQ(Change_Mode, 0);
  EXPECT_EQ(Size_Mode, 0);
  EXPECT_EQ(Kind_Flag, (std::array<std::int16_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(Pict_Folder, L"");
  EXPECT_EQ(Pict_Count, 0);
}

TEST_F(Settings_Test, NumbersAreReadLenientlyAndRoundedDown) {
  Store(Ini_Key::Size, "1.9");
  Store(Ini_Key::Change, " 1");
  Store(Ini_Key::Kind(0), "-0.5");
  Store(Ini_Key::Kind(1), "2");
  Load_Settings(Ini);
  EXPECT_EQ(Size_Mode, 1);
  EXPECT_EQ(Change_Mode, 1);
  EXPECT_EQ(Kind_Flag[0], -1);
  EXPECT_EQ(Kind_Flag[1], 2);
}

TEST_F(Settings_Test, GarbageOrOutOfRangeLeavesTheValueAsItWas) {
  Store(Ini_Key::Change, "40000");
  Store(Ini_Key::Size, "big");
  Store(Ini_Key::Kind(3), "yes");
  Change_Mode = 0;
  Size_Mode = 1;
  Load_Settings(Ini);
  EXPECT_EQ(Change_Mode, 0);
  EXPECT_EQ(Size_Mode, 1);
  EXPECT_EQ(Kind_Flag, (std::array<std::int16_t, 4>{1, 1, 1, 0}));
}

TEST_F(Settings_Test, AUsableFolderBuildsThePictureListAndAMissingOneIsDropped) {
  fake_fs::Add(L"C:\\pics", toolkit::Attr::Directory);
  for (const wchar_t* name : {L"C:\\pics\\a.bmp", L"C:\\pics\\b.gif", L"C:\\pics\\c.jpg", L"C:\\pics\\d.wmf"})
    fake_fs::Add(name, toolkit::Attr::Archive);
  Store(Ini_Key::Folder, "C:\\pics");
  Store(Ini_Key::Kind(2), "0");
  Load_Settings(Ini);
  EXPECT_EQ(Pict_Folder, L"C:\\pics");
  ASSERT_EQ(Pict_Count, 3);
  EXPECT_EQ(Pict_List[3], L"C:\\pics\\d.wmf");

  fake_profile::Lines().clear();
  Store(Ini_Key::Folder, "C:\\gone");
  Load_Settings(Ini);
  EXPECT_EQ(Pict_Folder, L"");
  EXPECT_EQ(Pict_Count, 0);
}

TEST_F(Settings_Test, SaveWritesEveryKeyInOrderWithTheShownFolder) {
  Change_Mode = 1;
  Kind_Flag = {1, 0, 1, -1};
  Save_Settings(std::wstring(L"C:\\new\0junk", 11), Ini);
  std::vector<std::pair<std::string, std::string>> written;
  for (const auto& l : fake_profile::Lines()) {
    EXPECT_EQ(l.File, Ini);
    EXPECT_EQ(l.Section, "Section");
    written.emplace_back(l.Key, l.Value);
  }
  EXPECT_EQ(written, (std::vector<std::pair<std::string, std::string>>{
                         {"\x89\xE6\x91\x9C\xC1\xAA\xDD\xBC\xDE", " 1"},
                         {"\x89\xE6\x91\x9C\x82\xCC\xBB\xB2\xBD\xDE", " 0"},
                         {"\x89\xE6\x91\x9C\x82\xCC\xCC\xAB\xD9\xC0\xDE", "C:\\new"},
                         {"\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F\x30", " 1"},
                         {"\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F\x31", " 0"},
                         {"\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F\x32", " 1"},
                         {"\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F\x33", "-1"},
                     }));
  EXPECT_EQ(Pict_Folder, L"C:\\new");
}
