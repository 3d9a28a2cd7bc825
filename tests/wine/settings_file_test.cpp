// The settings file as the system's own profile functions read and write it, byte by byte.
#include <gtest/gtest.h>

#include "catalogue/pict_list.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "tests/wine/driver.h"
#include "tests/wine/ini_bytes.h"
#include "toolkit/ansi.h"

using namespace Quorvantile_B;

namespace {

using driver::Key::Change;
using driver::Key::Folder;
using driver::Key::Size;
std::string Kind(char i) { return driver::Key::Kind(i - '0'); }

class Settings_File : public ::testing::Test {
 protected:
  void SetUp() override {
    Change_Mode = Size_Mode = 0;
    Kind_Flag = {1, 1, 1, 1};
    Pict_Folder.clear();
    Pict_Count = 0;
  }
  driver::Install install{L"settings"};
  std::string Ini() const { return toolkit::To_Ansi(install.Ini()); }
  std::string File_Text() const { return driver::Without_Sign_Blanks(driver::Read_Bytes(install.Ini())); }
};

}  // namespace

TEST_F(Settings_File, SaveWritesEveryKeyInOrderWithTheSignBlank) {
  Save_Settings(L"C:\\pics", Ini());
  EXPECT_EQ(File_Text(), "[Section]\r\n" + Change + "=0\r\n" + Size + "=0\r\n" + Folder + "=C:\\pics\r\n" +
                             Kind('0') + "=1\r\n" + Kind('1') + "=1\r\n" + Kind('2') + "=1\r\n" + Kind('3') +
                             "=1\r\n");
}

TEST_F(Settings_File, SavingAgainReplacesValuesInPlace) {
  Save_Settings(L"C:\\pics", Ini());
  Change_Mode = 1;
  Kind_Flag[3] = 0;
  Save_Settings(L"", Ini());
  EXPECT_EQ(File_Text(), "[Section]\r\n" + Change + "=1\r\n" + Size + "=0\r\n" + Folder + "=\r\n" + Kind('0') +
                             "=1\r\n" + Kind('1') + "=1\r\n" + Kind('2') + "=1\r\n" + Kind('3') + "=0\r\n");
}

TEST_F(Settings_File, ValuesAreReadWithOrWithoutTheBlank) {
  driver::Write_Bytes(install.Ini(), "[Section]\r\n" + Change + "=1\r\n" + Size + "= 1.9\r\n" + Kind('0') +
                                         "=-0.5\r\n" + Kind('1') + "=junk\r\n" + Kind('2') + "=\r\n");
  Kind_Flag = {0, 0, 0, 0};
  Load_Settings(Ini());
  EXPECT_EQ(Change_Mode, 1);
  EXPECT_EQ(Size_Mode, 1);
  EXPECT_EQ(Kind_Flag, (std::array<std::int16_t, 4>{-1, 0, 1, 1}));
}

TEST_F(Settings_File, AJapaneseFolderSurvivesTheRoundTrip) {
  const std::wstring pictures = install.Path(L"\u5199\u771F");  // 写真
  CreateDirectoryW(pictures.c_str(), nullptr);
  driver::Write_Bytes(pictures + L"\\a.bmp", "BM");
  Save_Settings(pictures, Ini());
  Pict_Folder.clear();
  Load_Settings(Ini());
  EXPECT_EQ(Pict_Folder, pictures);
  ASSERT_EQ(Pict_Count, 1);
  EXPECT_EQ(Pict_List[1], pictures + L"\\a.bmp");
}

TEST_F(Settings_File, AFolderOfMoreThan255BytesIsReadBackWhole) {
  // Three folders of 50 Japanese characters, two bytes each in the settings file.
  std::wstring name;
  for (int i = 0; i < 50; ++i) name += L"\u5199";  // 写
  std::wstring pictures = install.Dir();
  for (int level = 0; level < 3; ++level) {
    pictures += L"\\" + name;
    ASSERT_TRUE(CreateDirectoryW(pictures.c_str(), nullptr));
  }
  ASSERT_GT(toolkit::To_Ansi(pictures).size(), 255u);
  Save_Settings(pictures, Ini());
  Pict_Folder.clear();
  Load_Settings(Ini());
  EXPECT_EQ(Pict_Folder, pictures);
  EXPECT_EQ(Get_Ini("Section", Folder, Ini()), toolkit::To_Ansi(pictures));
}
