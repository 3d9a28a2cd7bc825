#pragma once
// The program's own decoders of JPEG (libjpeg-turbo) and PNG (libpng) files, reading only what is shown: a JPEG
// scaled while it decodes, in steps of 1/8, to the smallest size that still covers the size it is shown at, or cut
// to the part shown as its rows stream in; a PNG read row by row, cut the same way. They raise nothing (they run on
// the worker): a file they cannot read, or one past a limit, is refused, before any pixel memory is had where
// its header tells.
#include <cstddef>
#include <cstdint>

namespace toolkit {

// A file's bytes, as they come.
class Byte_Source {
 public:
  virtual ~Byte_Source() = default;
  // Up to size bytes into at; 0 at the end, or where the bytes cannot be read.
  virtual std::size_t Read(unsigned char* at, std::size_t size) noexcept = 0;
};

// Where the decoded pixels go: 0x00RRGGBB, rows from the top, w to a row.
class Pixel_Sink {
 public:
  virtual ~Pixel_Sink() = default;
  // Memory for w x h pixels, or null where it cannot be had.
  virtual std::uint32_t* Pixels(int w, int h) noexcept = 0;
};

// What of a picture of its stored size is wanted: the window (X, Y, W, H) at its full size, or, where the window
// is the whole picture, the whole of it at a size no smaller than Min_W x Min_H.
struct Decode_Part {
  int X = 0, Y = 0, W = 0, H = 0;
  int Min_W = 0, Min_H = 0;
};

// Chooses what of a picture is wanted, once its stored size is known.
class Part_Chooser {
 public:
  virtual ~Part_Chooser() = default;
  virtual Decode_Part Part(int stored_w, int stored_h) noexcept = 0;
};
// The whole picture at its full size.
class Whole_Picture : public Part_Chooser {
 public:
  Decode_Part Part(int, int) noexcept override { return {}; }
};

struct Decode_Limits {
  long long Max_Pixels = 1LL << 26;          // of the pixels given, as the other kinds' 64 megapixels
  std::size_t Max_Memory = std::size_t{256} << 20;  // the decoder's own, a progressive JPEG's whole coefficients
  int Max_Scans = 100;                       // of a progressive JPEG
  int Max_Side = 65535;                      // of the picture as stored
};

// What a decode gave: the pixels' size, and the window's place in the picture as stored, of the picture's stored
// size; false where the file was refused.
struct Decoded_Part {
  bool Decoded = false;
  int Stored_W = 0, Stored_H = 0;  // the picture as stored
  int X = 0, Y = 0;                // the window's corner, at full size
  int W = 0, H = 0;                // the pixels given: the window's size, scaled where the window is the whole picture
};

// The scale M/8 (M from 1 to 8) a JPEG of stored_w x stored_h decodes at for a size shown of at least
// min_w x min_h: the smallest whose result still covers it, 8 where none smaller does or no size is given.
int Jpeg_Scale(int stored_w, int stored_h, int min_w, int min_h);

Decoded_Part Decode_Jpeg(Byte_Source& source, Part_Chooser& part, Pixel_Sink& sink,
                         const Decode_Limits& limits = {}) noexcept;
// Transparent PNGs come out over black, as a transparent GIF does; a PNG is never scaled.
Decoded_Part Decode_Png(Byte_Source& source, Part_Chooser& part, Pixel_Sink& sink,
                        const Decode_Limits& limits = {}) noexcept;

}  // namespace toolkit
