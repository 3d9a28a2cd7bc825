// The settings file as the system's own profile functions read and write it, byte by byte.
#include <gtest/gtest.h>

#include "catalogue/pict_list.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "tests/wine/driver.h"
#include "toolkit/ansi.h"

using namespace Quorvantile_B;

namespace {

const std::string Change = "\x89\xE6\x91\x9C\xC1\xAA\xDD\xBC\xDE";
const std::string Size = "\x89\xE6\x91\x9C\x82\xCC\xBB\xB2\xBD\xDE";
const std::string Folder = "\x89\xE6\x91\x9C\x82\xCC\xCC\xAB\xD9\xC0\xDE";
std::string Kind(char i) { return std::string("\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F") + i; }

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
  // The file's text. The program writes numbers with a sign blank (" 1"); whether the system's writer keeps
  // that blank is its own business (Wine drops it), so one blank after "=" is taken out before comparing.
  std::string File_Text() const {
    const auto bytes = driver::Read_Bytes(install.Ini());
    std::string text(bytes.begin(), bytes.end());
    for (std::size_t at = text.find("= "); at != std::string::npos; at = text.find("= ", at + 1)) text.erase(at + 1, 1);
    return text;
  }
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

TEST_F(Settings_File, AFolderValueOver255BytesIsReadBackCut) {
  const std::string long_folder = "C:\\" + std::string(297, 'x');
  driver::Write_Bytes(install.Ini(), "[Section]\r\n" + Folder + "=" + long_folder + "\r\n");
  EXPECT_EQ(Get_Ini("Section", Folder, Ini()), long_folder.substr(0, 255));
  Load_Settings(Ini());
  EXPECT_EQ(Pict_Folder, L"");  // the cut path names no folder
}
