#pragma once
// Where a picture of natural size W x H goes in the working picture Master, for a screen of
// Scr_W x Scr_H pixels: fitted to the screen keeping its aspect ratio, or at natural size with whatever
// exceeds the screen cut off equally on both sides.
#include <cstdint>

#include "toolkit/portable/picture_decode.h"

namespace Quorvantile_B {

struct Placement {
  enum class Method {
    Stretch,      // Master becomes the screen's size; the picture is stretched into Dest
    Load_Direct,  // the picture fits: it is loaded straight into Master at its own size
    Crop,         // Master becomes Dest's size; the part of the picture at (Src_X, Src_Y) is copied in
  } How;
  int Master_W = 0, Master_H = 0;
  int Src_X = 0, Src_Y = 0, Src_W = 0, Src_H = 0;
  int Dest_X = 0, Dest_Y = 0, Dest_W = 0, Dest_H = 0;
};

Placement Place_Picture(double W, double H, int Scr_W, int Scr_H, std::int16_t Size_Mode);

// What a decoder need read of a picture of natural size W x H placed so: fitted, the whole of it at a size no smaller
// than it is stretched to; cut, the part copied; as it is, the whole of it.
toolkit::Decode_Part Shown_Part(int W, int H, int Scr_W, int Scr_H, std::int16_t Size_Mode);

}  // namespace Quorvantile_B
