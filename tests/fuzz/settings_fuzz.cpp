// Fuzzing the reading of the settings file: any bytes of any length in any key give the value or the
// default, never a crash. The input is split at NUL bytes into the ten values, in the order the keys
// are read; the reader sees at most 255 bytes of each, as the system's profile reader gives them.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "tests/unit/fake_file_system.h"
#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/number_text.h"

using namespace Quorvantile_B;

namespace {

std::map<std::string, std::string> Stored;  // the one file's one section, by key

}  // namespace

std::string Quorvantile_B::Get_Ini(const std::string&, const std::string& Key, const std::string&) {
  const auto found = Stored.find(Key);
  return found == Stored.end() ? std::string() : found->second.substr(0, 255);
}

void Quorvantile_B::Put_Ini(const std::string&, const std::string& Key, const std::string& Value, const std::string&) {
  Stored[Key] = Value;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> values;
  for (std::size_t start = 0;;) {
    const std::size_t end = input.find('\0', start);
    values.push_back(input.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  values.resize(10);

  const std::string file = "C:\\saver\\Quorvantile.ini";
  Stored.clear();
  fake_fs::Clear();
  fake_fs::Add(L"C:\\pics", toolkit::Attr::Directory);
  fake_fs::Add(L"C:\\pics\\a.jpg", toolkit::Attr::Archive);
  const std::string keys[10] = {Ini_Key::Change,  Ini_Key::Size,   Ini_Key::Kind(0),    Ini_Key::Kind(1),
                                Ini_Key::Kind(2), Ini_Key::Kind(3), Ini_Key::Folder,    Ini_Key::Paint_Time,
                                Ini_Key::Hold_Time, Ini_Key::Sub_Folders};
  for (int i = 0; i < 10; ++i)
    if (!values[static_cast<std::size_t>(i)].empty()) Stored[keys[i]] = values[static_cast<std::size_t>(i)];

  const Settings settings = Load_Settings(file);
  // The folder is what was stored, or nothing when it names no usable folder.
  if (!settings.Pict_Folder.empty() && !Check_Folder(settings.Pict_Folder)) __builtin_trap();
  const Catalogue pictures = Make_Pict_List(settings.Pict_Folder, settings.Kind_Flag, settings.Sub_Folders == 1);
  if (pictures.Pict_Count < 0 || pictures.Pict_Count > 1) __builtin_trap();

  // The number conversions alone, on the whole input.
  (void)toolkit::Parse_Number(input);
  (void)toolkit::Val(input);
  return 0;
}
