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
  // One switch per picture kind (bmp, gif, jpg, wmf); exactly 1 means the kind is shown.
  Kind_Flags Kind_Flag{1, 1, 1, 1};
  // The picture folder; empty for none.
  std::wstring Pict_Folder;
};

}  // namespace Quorvantile_B
