#pragma once
// The settings every mode reads, loaded once per start.
#include <array>
#include <cstdint>
#include <string>

#include "catalogue/pict_list.h"

namespace Quorvantile_B {

struct Settings {
  // 0 sequential order, any other value random.
  std::int16_t Change_Mode = 0;
  // 0 natural size, any other value full screen.
  std::int16_t Size_Mode = 0;
  // One switch per picture kind (bmp, gif, jpg, wmf, png); exactly 1 means the kind is shown.
  Kind_Flags Kind_Flag{1, 1, 1, 1, 1};
  // The picture folder; empty for none.
  std::wstring Pict_Folder;
  // Exactly 1 shows the pictures of the folders below it too.
  std::int16_t Sub_Folders = 0;
  // How long a picture's reveal lasts, and how long the finished picture stays, in seconds. 0 and 0 reveal as fast
  // as the machine draws and go on at once; a value below 0 counts as 0.
  std::int16_t Paint_Time = 30;
  std::int16_t Hold_Time = 10;
};

}  // namespace Quorvantile_B
