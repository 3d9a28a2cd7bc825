#include "toolkit/system/picture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "toolkit/system/handles.h"
#include "toolkit/portable/picture_header.h"
#include "toolkit/portable/run_error.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace toolkit {
namespace {

[[noreturn]] void Fail(const char* what) { throw Run_Error(Error_Kind::File, what); }

void Refuse_If_Too_Big(std::optional<Stored_Size> size) {
  if (size && size->W * size->H > Max_Picture_Pixels) throw Run_Error(Error_Kind::Invalid_Call, "Out of memory");
}

int Himetric_To_Pixels(OLE_XSIZE_HIMETRIC him, int dpi) { return MulDiv(him, dpi, 2540); }

// A placeable metafile states its extent in its own units and how many of them make an inch; its natural
// size in pixels follows from the screen's resolution. Returns false for any other file. A metafile that is
// cut short, or states no extent, is refused here rather than handed to the system's loader.
bool Metafile_Size(const std::vector<unsigned char>& bytes, int& width, int& height) {
  auto word = [&](std::size_t at) { return static_cast<int>(bytes[at] | (bytes[at + 1] << 8)); };
  auto signed_word = [&](std::size_t at) { return static_cast<int>(static_cast<std::int16_t>(word(at))); };
  if (bytes.size() < 4 || word(0) != 0xCDD7 || word(2) != 0x9AC6) return false;
  constexpr std::size_t Placeable_Header = 22, Meta_Header = 18;
  if (bytes.size() < Placeable_Header + Meta_Header) Fail("Invalid picture");
  const int extent_x = signed_word(10) - signed_word(6), extent_y = signed_word(12) - signed_word(8);
  const int inch = word(14);
  if (extent_x <= 0 || extent_y <= 0 || inch == 0) Fail("Invalid picture");
  // The metafile's own header: its kind, its header size in words, and its whole size in words.
  const std::size_t at = Placeable_Header;
  const auto size_words = static_cast<std::size_t>(word(at + 6)) | (static_cast<std::size_t>(word(at + 8)) << 16);
  if ((word(at) != 1 && word(at) != 2) || word(at + 2) != 9 || size_words * 2 > bytes.size() - Placeable_Header)
    Fail("Invalid picture");
  width = MulDiv(extent_x, Screen_Dpi().X, inch);
  height = MulDiv(extent_y, Screen_Dpi().Y, inch);
  return true;
}

}  // namespace

std::shared_ptr<Picture> Picture::From_File(const std::wstring& path) {
  const File_Handle file(Open_For_Reading(path));
  if (!file) Fail("File not found");
  std::vector<unsigned char> bytes;
  bytes.reserve(GetFileSize(file.Get(), nullptr));
  unsigned char chunk[65536];
  // The header comes with the first chunks: a picture too big to be had is refused before the rest is read.
  bool sized = false;
  for (DWORD got = 0;; bytes.insert(bytes.end(), chunk, chunk + got)) {
    if (!sized && bytes.size() >= 2 * sizeof chunk) {
      Refuse_If_Too_Big(Size_From_Header(bytes));
      sized = true;
    }
    if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) Fail("File not readable");
    if (got == 0) break;
  }
  if (!sized) Refuse_If_Too_Big(Size_From_Header(bytes));
  return From_Bytes(bytes);
}

std::shared_ptr<Picture> Picture::From_Bytes(const std::vector<unsigned char>& bytes) {
  if (bytes.empty()) Fail("Invalid picture");
  auto picture = std::make_shared<Picture>();
  const bool metafile = Metafile_Size(bytes, picture->width_, picture->height_);
  // An EXIF block lies in the first segment, or after a JFIF one; a segment holds at most 64 KB.
  if (bytes.size() > 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
    picture->jpeg_head_.assign(
        bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(bytes.size(), 1 << 17)));
  Global_Memory mem(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
  void* const at = mem ? GlobalLock(mem.Get()) : nullptr;
  if (!at) Fail("Out of memory");
  std::memcpy(at, bytes.data(), bytes.size());
  GlobalUnlock(mem.Get());
  Com_Ptr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(mem.Get(), TRUE, stream.Put()))) Fail("Out of memory");
  mem.Release();  // the stream frees it
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture->pic_.Put()))) ||
      !picture->pic_)
    Fail("Invalid picture");
  OLE_XSIZE_HIMETRIC w = 0;
  OLE_YSIZE_HIMETRIC h = 0;
  picture->pic_->get_Width(&w);
  picture->pic_->get_Height(&h);
  if (!metafile) {
    picture->width_ = Himetric_To_Pixels(w, Screen_Dpi().X);
    picture->height_ = Himetric_To_Pixels(h, Screen_Dpi().Y);
  }
  Refuse_If_Too_Big(Stored_Size{picture->width_, picture->height_});
  return picture;
}

std::shared_ptr<Picture> Picture::From_Resource(int id) {
  const auto bytes = Resource_Bytes(id, 10 /* RT_RCDATA */);
  if (bytes.empty()) Fail("Resource not found");
  return From_Bytes(bytes);
}

void Picture::Render(HDC dc, int x, int y, int w, int h) const {
  OLE_XSIZE_HIMETRIC hw = 0;
  OLE_YSIZE_HIMETRIC hh = 0;
  pic_->get_Width(&hw);
  pic_->get_Height(&hh);
  const int saved = SaveDC(dc);
  if (w != width_ || h != height_) {
    SetStretchBltMode(dc, HALFTONE);  // the 95 family takes it as COLORONCOLOR
    SetBrushOrgEx(dc, 0, 0, nullptr);
  }
  // Picture coordinates run bottom-up: start at the top edge and go down by the height.
  pic_->Render(dc, x, y, w, h, 0, hh, hw, -hh, nullptr);
  RestoreDC(dc, saved);
}

}  // namespace toolkit
