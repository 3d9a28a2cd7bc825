#include "paint/load_upright.h"

#include "paint/orientation.h"
#include "toolkit/system/picture.h"

namespace Quorvantile_B {

// A picture stored upright takes the loader's path alone. One stored otherwise is turned in the box, after the
// loader's own copy of it is gone: the box's old and new surfaces are all the turn holds.
void Load_Upright(toolkit::Picture_Box& box, const std::wstring& path) {
  auto picture = toolkit::Picture::From_File(path);
  box.Load_Picture(*picture);
  const std::vector<unsigned char>& head = picture->Jpeg_Head();
  const int orientation = Exif_Orientation({head.data(), head.size()});
  picture.reset();
  if (orientation == 1) return;
  const int W = box.Width(), H = box.Height();
  const bool on_side = Lies_On_Its_Side(orientation);
  box.Remake_Surface(on_side ? H : W, on_side ? W : H, [&](const std::uint32_t* stored, std::uint32_t* upright) {
    Turn_Upright(stored, W, H, orientation, upright);
  });
}

}  // namespace Quorvantile_B
