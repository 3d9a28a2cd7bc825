#pragma once
// A picture read by the platform's own loader (bitmap, GIF, JPEG, placeable Windows metafile).
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/system/com_ptr.h"

namespace toolkit {

// The most pixels a picture may have: a 32-bit copy of it takes 256 MiB, and the saver holds two or three.
// A bigger one cannot be had in a 32-bit process, and is refused from its header, before it is read.
constexpr long long Max_Picture_Pixels = 1LL << 26;

class Picture {
 public:
  // Raise a File error when the file cannot be read or decoded, or is too big to be had.
  static std::shared_ptr<Picture> From_File(const std::wstring& path);
  static std::shared_ptr<Picture> From_Bytes(const std::vector<unsigned char>& bytes);
  static std::shared_ptr<Picture> From_Resource(int id);  // an RCDATA resource of the executable

  // Natural size in pixels, as stored.
  int Width() const { return width_; }
  int Height() const { return height_; }
  // A JPEG file's first bytes, where its EXIF block lies, for what the program reads there; empty for the
  // other kinds.
  const std::vector<unsigned char>& Jpeg_Head() const { return jpeg_head_; }

  // Draws the whole picture into the rectangle (x, y, w, h) of dc, smoothed where it is scaled.
  void Render(HDC dc, int x, int y, int w, int h) const;

 private:
  Com_Ptr<IPicture> pic_;
  int width_ = 0;
  int height_ = 0;
  std::vector<unsigned char> jpeg_head_;
};

}  // namespace toolkit
