// Reading and writing the settings file, over an in-memory settings file and folder.
#include <gtest/gtest.h>

#include "settings/profile.h"
#include "settings/settings_file.h"
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

// The settings of a file holding these values.
Settings Load(std::initializer_list<std::pair<std::string, std::string>> values) {
  Stored.clear();
  for (const auto& [key, value] : values) Put_Ini(Ini_Key::Section, key, value, Ini);
  return Load_Settings(Ini);
}

std::vector<int> Values(const Settings& s) {
  return {s.Change_Mode,  s.Size_Mode,    s.Kind_Flag[0], s.Kind_Flag[1], s.Kind_Flag[2],
          s.Kind_Flag[3], s.Kind_Flag[4], s.Paint_Time,   s.Hold_Time,    s.Sub_Folders};
}

}  // namespace

// A missing key gives its default; text that is not a 16-bit number leaves the value as it stands before its key
// is read: 0, but for the times, which keep their defaults (a file of an older saver has none).
TEST(Settings, NumbersAreReadLenientlyAndRoundedDownAndGarbageLeavesTheValue) {
  EXPECT_EQ(Values(Load({})), (std::vector{0, 0, 1, 1, 1, 1, 1, 30, 10, 0}));
  EXPECT_EQ(Load({}).Pict_Folder, L"");
  EXPECT_EQ(Values(Load({{Ini_Key::Size, "0.9"},
                         {Ini_Key::Change, " 1"},
                         {Ini_Key::Kind(0), "-0.5"},
                         {Ini_Key::Kind(1), "2"},
                         {Ini_Key::Kind(2), "40000"},
                         {Ini_Key::Kind(3), "yes"},
                         {Ini_Key::Kind(4), " 0"},
                         {Ini_Key::Paint_Time, " 6.5"},
                         {Ini_Key::Hold_Time, "soon"},
                         {Ini_Key::Sub_Folders, "1"}})),
            (std::vector{1, 0, -1, 2, 0, 0, 0, 6, 10, 1}));
}

TEST(Settings, AUsableFolderStaysAndAMissingOneIsDropped) {
  fake_fs::Clear();
  fake_fs::Add(L"C:\\p", toolkit::Attr::Directory);
  EXPECT_EQ(Load({{Ini_Key::Folder, "C:\\p"}}).Pict_Folder, L"C:\\p");
  EXPECT_EQ(Load({{Ini_Key::Folder, "C:\\gone"}}).Pict_Folder, L"");
}

TEST(Settings, SaveWritesEveryKeyInOrderWithTheShownFolderUpToItsFirstNul) {
  Stored.clear();
  Settings s;
  s.Change_Mode = 1;
  s.Kind_Flag = {1, 0, 1, -1, 0};
  s.Pict_Folder = std::wstring(L"C:\\new\0junk", 11);
  s.Paint_Time = 6;
  s.Hold_Time = 0;
  s.Sub_Folders = 1;
  Save_Settings(s, Ini);
  const std::string at = Ini + "|Section|\x89\xE6\x91\x9C";  // 画像
  EXPECT_EQ(Stored, (std::vector<std::pair<std::string, std::string>>{{at + "\xC1\xAA\xDD\xBC\xDE", " 1"},
                                                                      {at + "\x82\xCC\xBB\xB2\xBD\xDE", " 0"},
                                                                      {at + "\x82\xCC\xCC\xAB\xD9\xC0\xDE", "C:\\new"},
                                                                      {at + "\x8E\xED\x97\xDE_0", " 1"},
                                                                      {at + "\x8E\xED\x97\xDE_1", " 0"},
                                                                      {at + "\x8E\xED\x97\xDE_2", " 1"},
                                                                      {at + "\x8E\xED\x97\xDE_3", "-1"},
                                                                      {at + "\x8E\xED\x97\xDE_4", " 0"},
                                                                      {Ini + "|Section|" + Ini_Key::Paint_Time, " 6"},
                                                                      {Ini + "|Section|" + Ini_Key::Hold_Time, " 0"},
                                                                      {Ini + "|Section|\xBB\xCC\xDE\xCC\xAB\xD9\xC0\xDE", " 1"}}));
}
