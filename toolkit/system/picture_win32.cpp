#include "toolkit/system/picture.h"

#include <algorithm>
#include <cstring>

#include "toolkit/portable/picture_header.h"
#include "toolkit/portable/run_error.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/surface.h"
#include "toolkit/system/system_decoder.h"
#include "toolkit/system/system_text.h"

namespace toolkit {
namespace {

int Himetric_To_Pixels(OLE_XSIZE_HIMETRIC him, int dpi) { return MulDiv(him, dpi, 2540); }

bool Too_Big(long long w, long long h) { return w * h > Max_Picture_Pixels; }

// A placeable metafile states its extent in its own units and how many of them make an inch; its natural size in
// pixels follows from the screen's resolution. Not_Metafile for any other file; Invalid for a metafile that is cut
// short or states no extent, which is refused here rather than handed to the system's loader.
enum class Metafile { Not_Metafile, Sized, Invalid };
Metafile Metafile_Size(std::span<const unsigned char> bytes, Dots_Per_Inch dpi, int& width, int& height) {
  auto word = [&](std::size_t at) { return static_cast<int>(bytes[at] | (bytes[at + 1] << 8)); };
  auto signed_word = [&](std::size_t at) { return static_cast<int>(static_cast<std::int16_t>(word(at))); };
  if (bytes.size() < 4 || word(0) != 0xCDD7 || word(2) != 0x9AC6) return Metafile::Not_Metafile;
  constexpr std::size_t Placeable_Header = 22, Meta_Header = 18;
  if (bytes.size() < Placeable_Header + Meta_Header) return Metafile::Invalid;
  const int extent_x = signed_word(10) - signed_word(6), extent_y = signed_word(12) - signed_word(8);
  const int inch = word(14);
  if (extent_x <= 0 || extent_y <= 0 || inch == 0) return Metafile::Invalid;
  // The metafile's own header: its kind, its header size in words, and its whole size in words.
  const std::size_t at = Placeable_Header;
  const auto size_words = static_cast<std::size_t>(word(at + 6)) | (static_cast<std::size_t>(word(at + 8)) << 16);
  if ((word(at) != 1 && word(at) != 2) || word(at + 2) != 9 || size_words * 2 > bytes.size() - Placeable_Header)
    return Metafile::Invalid;
  width = MulDiv(extent_x, dpi.X, inch);
  height = MulDiv(extent_y, dpi.Y, inch);
  return Metafile::Sized;
}

// Bytes that the system's loader reads as a stream: movable global memory, which the stream frees.
struct Picture_Bytes {
  Global_Memory Memory;
  std::size_t Size = 0;
};

// The system's picture object of the bytes, and its natural size; none for bytes it cannot decode or a picture too
// big to be had.
Com_Ptr<IPicture> Load(Picture_Bytes bytes, Dots_Per_Inch dpi, int& width, int& height) {
  Com_Ptr<IPicture> picture;
  if (bytes.Size == 0) return picture;
  Metafile metafile = Metafile::Not_Metafile;
  {
    const auto* at = static_cast<const unsigned char*>(GlobalLock(bytes.Memory.Get()));
    if (!at) return picture;
    metafile = Metafile_Size({at, at + bytes.Size}, dpi, width, height);
    GlobalUnlock(bytes.Memory.Get());
  }
  if (metafile == Metafile::Invalid) return picture;
  Com_Ptr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(bytes.Memory.Get(), TRUE, stream.Put()))) return picture;
  bytes.Memory.Release();  // the stream frees it
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.Size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.Put()))) ||
      !picture)
    return Com_Ptr<IPicture>();
  if (metafile != Metafile::Sized) {
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture->get_Width(&w);
    picture->get_Height(&h);
    width = Himetric_To_Pixels(w, dpi.X);
    height = Himetric_To_Pixels(h, dpi.Y);
  }
  if (width <= 0 || height <= 0 || Too_Big(width, height)) picture.Reset();
  return picture;
}

// Draws the picture object at (x, y, w, h); its coordinates run bottom-up: from the top edge down by the height.
void Render_Picture(IPicture* picture, HDC dc, int x, int y, int w, int h) {
  OLE_XSIZE_HIMETRIC hw = 0;
  OLE_YSIZE_HIMETRIC hh = 0;
  picture->get_Width(&hw);
  picture->get_Height(&hh);
  picture->Render(dc, x, y, w, h, 0, hh, hw, -hh, nullptr);
}

// The file's bytes, read straight into memory a stream can take over; nothing for a file that cannot be read, or
// that its header shows too big to be had, before the rest of it is read. A frame header may lie past large blocks
// of other things: it is looked for as the file comes in, up to the bound.
std::optional<Picture_Bytes> Read_Picture_File(const std::wstring& path) {
  const File_Handle file(Open_For_Reading(path));
  if (!file) return std::nullopt;
  DWORD high = 0;
  const DWORD low = GetFileSize(file.Get(), &high);
  // A size that cannot be had is not taken for 4 GiB: the memory then grows with what is read.
  const bool size_known = !(low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR);
  const unsigned long long size = (static_cast<unsigned long long>(high) << 32) | low;
  if (size_known && size > Max_Picture_File_Bytes) return std::nullopt;
  constexpr std::size_t Chunk = 1 << 16;
  std::size_t capacity = size_known ? static_cast<std::size_t>(size) + 1 : Chunk;
  Picture_Bytes bytes{Global_Memory(GlobalAlloc(GMEM_MOVEABLE, capacity)), 0};
  if (!bytes.Memory) return std::nullopt;
  bool sized = false;
  for (;;) {
    if (bytes.Size == capacity) {
      if (capacity >= Max_Picture_File_Bytes) return std::nullopt;
      const HGLOBAL grown = GlobalReAlloc(bytes.Memory.Get(), capacity *= 2, GMEM_MOVEABLE);
      if (!grown) return std::nullopt;
      bytes.Memory.Release();
      bytes.Memory.Reset(grown);
    }
    auto* at = static_cast<unsigned char*>(GlobalLock(bytes.Memory.Get()));
    if (!at) return std::nullopt;
    DWORD got = 0;
    const bool read = ReadFile(file.Get(), at + bytes.Size, static_cast<DWORD>(std::min(Chunk, capacity - bytes.Size)),
                               &got, nullptr);
    bytes.Size += got;
    bool refused = !read;
    if (!sized && read) {
      const Header header = Read_Header({at, at + bytes.Size});
      refused = (header.Says == Header::Reading::Size && Too_Big(header.Size.W, header.Size.H)) ||
                (header.Says == Header::Reading::More && bytes.Size >= Header_Bound);
      sized = header.Says != Header::Reading::More || got == 0;
    }
    GlobalUnlock(bytes.Memory.Get());
    if (refused) return std::nullopt;
    if (got == 0) return bytes;
  }
}

// The decoder's own bitmap, where it is a 32-bit one of rows from the top: its pixels, or null.
std::uint32_t* Lendable_Bits(IPicture* picture, int width, int height, HBITMAP& handle) {
  short type = PICTYPE_UNINITIALIZED;
  OLE_HANDLE held = 0;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&held)))
    return nullptr;
  handle = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(held));
  DIBSECTION dib{};
  if (GetObjectA(handle, sizeof dib, &dib) != sizeof dib) return nullptr;
  const bool fits = dib.dsBm.bmBits && dib.dsBmih.biBitCount == 32 && dib.dsBmih.biCompression == BI_RGB &&
                    dib.dsBm.bmWidth == width && dib.dsBmih.biHeight == -height;
  return fits ? static_cast<std::uint32_t*>(dib.dsBm.bmBits) : nullptr;
}

}  // namespace

std::optional<Decoded_Picture> Decode_With_System(const std::wstring& path, Dots_Per_Inch dpi, Lending lending) noexcept {
  Decoded_Picture decoded;
  std::optional<Picture_Bytes> bytes = Read_Picture_File(path);
  if (!bytes) return std::nullopt;
  Com_Ptr<IPicture> picture = Load(std::move(*bytes), dpi, decoded.Width, decoded.Height);
  if (!picture) return std::nullopt;
  decoded.Natural_W = decoded.Width;
  decoded.Natural_H = decoded.Height;
  if (lending == Lending::Lend) {
    if (std::uint32_t* const bits = Lendable_Bits(picture.Get(), decoded.Width, decoded.Height, decoded.Handle)) {
      decoded.Bits = bits;
      decoded.Decoder = std::move(picture);
      return decoded;
    }
  }
  decoded.Pixels = Make_Dib(decoded.Width, decoded.Height, decoded.Bits);
  if (!decoded.Pixels) return std::nullopt;
  decoded.Handle = decoded.Pixels.Get();
  const Memory_Dc dc(CreateCompatibleDC(nullptr));
  const Selection into(dc.Get(), decoded.Handle);
  const RECT all{0, 0, decoded.Width, decoded.Height};
  FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  Render_Picture(picture.Get(), dc.Get(), 0, 0, decoded.Width, decoded.Height);
  GdiFlush();
  return decoded;
}

std::shared_ptr<Picture> Picture::From_Resource(int id) {
  const auto resource = Resource_Bytes(id, 10 /* RT_RCDATA */);
  Picture_Bytes bytes{Global_Memory(GlobalAlloc(GMEM_MOVEABLE, resource.size() + 1)), resource.size()};
  if (void* const at = bytes.Memory ? GlobalLock(bytes.Memory.Get()) : nullptr) {
    std::memcpy(at, resource.data(), resource.size());
    GlobalUnlock(bytes.Memory.Get());
  }
  auto picture = std::make_shared<Picture>();
  picture->pic_ = Load(std::move(bytes), Screen_Dpi(), picture->width_, picture->height_);
  if (!picture->pic_) throw Run_Error(Error_Kind::File, "Invalid picture");
  return picture;
}

void Picture::Render(HDC dc, int x, int y, int w, int h) const {
  const int saved = SaveDC(dc);
  if (w != width_ || h != height_) {
    // The 95 family has no HALFTONE mode: it stretches by dropping rows and columns there.
    if (Nt_Family()) {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
    } else {
      SetStretchBltMode(dc, COLORONCOLOR);
    }
  }
  Render_Picture(pic_.Get(), dc, x, y, w, h);
  RestoreDC(dc, saved);
}

}  // namespace toolkit
