// Reading and writing the settings file, over an in-memory settings file and folder.
#include <gtest/gtest.h>

#include "catalogue/pict_list.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "tests/unit/fake_file_system.h"
#include "toolkit/portable/dir_search.h"

using namespace Quorvantile_B;

namespace {

// The in-memory settings file behind the profile functions: "file|section|key" and value, in the order first written.
std::vector<std::pair<std::string, std::string>> Stored;
std::string Where(const std::string& Section, const std::string& Key, const std::string& File) {
  return File + "|" + Section + "|" + Key;
}

}  // namespace

std::string Quorvantile_B::Get_Ini(const std::string& Section, const std::string& Key, const std::string& File) {
  for (const auto& [where, value] : Stored)
    if (where == Where(Section, Key, File)) return value;
  return {};
}

void Quorvantile_B::Put_Ini(const std::string& Section, const std::string& Key, const std::string& Value,
                            const std::string& File) {
  for (auto& [where, value] : Stored)
    if (where == Where(Section, Key, File)) return void(value = Value);
  Stored.emplace_back(Where(Section, Key, File), Value);
}

namespace {

const std::string Ini = "C:\\saver\\Quorvantile.ini";

// Loads the file holding these values over settings that are all 7.
void Load(std::initializer_list<std::pair<std::string, std::string>> values) {
  Stored.clear();
  for (const auto& [key, value] : values) Put_Ini(Ini_Key::Section, key, value, Ini);
  Change_Mode = Size_Mode = 7;
  Kind_Flag = {7, 7, 7, 7};
  Pict_Folder = L"old";
  Load_Settings(Ini);
}

std::vector<int> Values() { return {Change_Mode, Size_Mode, Kind_Flag[0], Kind_Flag[1], Kind_Flag[2], Kind_Flag[3]}; }

}  // namespace

TEST(Settings, NumbersAreReadLenientlyAndRoundedDownAndGarbageLeavesTheValue) {
  Load({});
  EXPECT_EQ(Values(), (std::vector{0, 0, 1, 1, 1, 1}));
  EXPECT_EQ(Pict_Folder, L"");
  Load({{Ini_Key::Size, "0.9"},
        {Ini_Key::Change, " 0"},
        {Ini_Key::Kind(0), "-0.5"},
        {Ini_Key::Kind(1), "2"},
        {Ini_Key::Kind(2), "40000"},
        {Ini_Key::Kind(3), "yes"}});
  EXPECT_EQ(Values(), (std::vector{0, 0, -1, 2, 7, 7}));
}

TEST(Settings, AUsableFolderBuildsThePictureListAndAMissingOneIsDropped) {
  fake_fs::Clear();
  fake_fs::Add(L"C:\\p", toolkit::Attr::Directory);
  for (const wchar_t* name : {L"C:\\p\\a.bmp", L"C:\\p\\b.gif", L"C:\\p\\c.jpg", L"C:\\p\\d.wmf"})
    fake_fs::Add(name, 0);
  Load({{Ini_Key::Folder, "C:\\p"}, {Ini_Key::Kind(2), "0"}});
  EXPECT_EQ(Pict_Folder, L"C:\\p");
  EXPECT_EQ((std::vector<std::wstring>{Pict_List.begin() + 1, Pict_List.begin() + 1 + Pict_Count}),
            (std::vector<std::wstring>{L"C:\\p\\a.bmp", L"C:\\p\\b.gif", L"C:\\p\\d.wmf"}));
  Load({{Ini_Key::Folder, "C:\\gone"}});
  EXPECT_EQ(Pict_Folder, L"");
  EXPECT_EQ(Pict_Count, 0);
}

TEST(Settings, SaveWritesEveryKeyInOrderWithTheShownFolderUpToItsFirstNul) {
  Stored.clear();
  Change_Mode = 1;
  Size_Mode = 0;
  Kind_Flag = {1, 0, 1, -1};
  Save_Settings(std::wstring(L"C:\\new\0junk", 11), Ini);
  const std::string at = Ini + "|Section|\x89\xE6\x91\x9C";  // 画像
  EXPECT_EQ(Stored, (std::vector<std::pair<std::string, std::string>>{{at + "\xC1\xAA\xDD\xBC\xDE", " 1"},
                                                                      {at + "\x82\xCC\xBB\xB2\xBD\xDE", " 0"},
                                                                      {at + "\x82\xCC\xCC\xAB\xD9\xC0\xDE", "C:\\new"},
                                                                      {at + "\x8E\xED\x97\xDE_0", " 1"},
                                                                      {at + "\x8E\xED\x97\xDE_1", " 0"},
                                                                      {at + "\x8E\xED\x97\xDE_2", " 1"},
                                                                      {at + "\x8E\xED\x97\xDE_3", "-1"}}));
  EXPECT_EQ(Pict_Folder, L"C:\\new");
}
