// PNG through libpng. Its errors come back as a long jump to the one place below that set it: the frames it leaves
// are the library's and the callbacks', which hold nothing that needs an end.
#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include "toolkit/portable/picture_decode.h"

#include <png.h>

namespace toolkit {
namespace {

[[noreturn]] void Refuse(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Say_Nothing(png_structp, png_const_charp) {}

void Read_Bytes(png_structp png, png_bytep at, std::size_t size) {
  auto* source = static_cast<Byte_Source*>(png_get_io_ptr(png));
  while (size > 0) {
    const std::size_t got = source->Read(at, size);
    if (got == 0) png_error(png, "cut short");
    at += got;
    size -= got;
  }
}

// Memory of the decode's own, let go however it ends.
struct Rows {
  png_bytep Row = nullptr;      // one row as the library gives it
  std::uint32_t* All = nullptr;  // an interlaced picture's every row, where only a part of it is shown
  ~Rows() {
    std::free(Row);
    std::free(All);
  }
};

// A pixel over black: its colour in proportion to its opacity.
std::uint32_t Over_Black(const png_byte* bgra) {
  const unsigned a = bgra[3];
  const auto channel = [a](unsigned c) { return (c * a + 127) / 255; };
  return channel(bgra[2]) << 16 | channel(bgra[1]) << 8 | channel(bgra[0]);
}

Decoded_Part Decode(png_structp png, png_infop info, Rows& rows, Part_Chooser& part, Pixel_Sink& sink,
                    const Decode_Limits& limits) {
  png_read_info(png, info);
  Decoded_Part out;
  out.Stored_W = static_cast<int>(png_get_image_width(png, info));
  out.Stored_H = static_cast<int>(png_get_image_height(png, info));
  // Every form becomes 8-bit blue, green, red and opacity, the opacity of those without one full.
  png_set_scale_16(png);
  png_set_palette_to_rgb(png);
  png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const Decode_Part want = part.Part(out.Stored_W, out.Stored_H);
  const bool window = want.W > 0 && want.H > 0;
  out.X = window ? std::clamp(want.X, 0, out.Stored_W) : 0;
  out.Y = window ? std::clamp(want.Y, 0, out.Stored_H) : 0;
  out.W = window ? std::min(want.W, out.Stored_W - out.X) : out.Stored_W;
  out.H = window ? std::min(want.H, out.Stored_H - out.Y) : out.Stored_H;
  if (out.W <= 0 || out.H <= 0 || 1LL * out.W * out.H > limits.Max_Pixels) return {};
  // The passes of an interlaced picture fill its rows again and again: they are kept whole, then cut.
  const bool whole = passes > 1 && (out.W != out.Stored_W || out.H != out.Stored_H);
  if (whole && 1LL * out.Stored_W * out.Stored_H > limits.Max_Pixels) return {};
  std::uint32_t* const pixels = sink.Pixels(out.W, out.H);
  if (!pixels) return {};
  const int across = whole ? out.Stored_W : out.W;
  if (whole && !(rows.All = static_cast<std::uint32_t*>(std::calloc(1ULL * out.Stored_W * out.Stored_H, 4))))
    return {};
  std::uint32_t* const target = whole ? rows.All : pixels;
  if (!(rows.Row = static_cast<png_bytep>(std::malloc(png_get_rowbytes(png, info))))) return {};
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 0; y < out.Stored_H; ++y) {
      const int at_y = whole ? y : y - out.Y;
      if (at_y < 0 || at_y >= (whole ? out.Stored_H : out.H)) {
        png_read_row(png, rows.Row, nullptr);
        if (passes == 1 && at_y >= out.H) break;  // the rows below are not shown
        continue;
      }
      std::uint32_t* const line = target + static_cast<std::size_t>(at_y) * across;
      // Later passes add to what the earlier ones read: the row goes back to the library first.
      if (passes > 1) std::memcpy(rows.Row, line, static_cast<std::size_t>(across) * 4);
      png_read_row(png, rows.Row, nullptr);
      for (int x = 0; x < across; ++x) {
        const png_byte* bgra = rows.Row + 4 * (whole ? x : x + out.X);
        std::memcpy(&line[x], bgra, 4);
      }
    }
  // Opacity last, once every pass has come.
  for (int y = 0; y < out.H; ++y)
    for (int x = 0; x < out.W; ++x) {
      const std::uint32_t* from = whole ? &rows.All[static_cast<std::size_t>(y + out.Y) * out.Stored_W + x + out.X]
                                        : &pixels[static_cast<std::size_t>(y) * out.W + x];
      png_byte bgra[4];
      std::memcpy(bgra, from, 4);
      pixels[static_cast<std::size_t>(y) * out.W + x] = Over_Black(bgra);
    }
  out.Decoded = true;
  return out;
}

}  // namespace

Decoded_Part Decode_Png(Byte_Source& source, Part_Chooser& part, Pixel_Sink& sink,
                        const Decode_Limits& limits) noexcept {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Refuse, Say_Nothing);
  if (!png) return {};
  png_infop info = png_create_info_struct(png);
  Rows rows;
  Decoded_Part out;
  if (info && !setjmp(png_jmpbuf(png))) {
    png_set_read_fn(png, &source, Read_Bytes);
    png_set_user_limits(png, static_cast<png_uint_32>(limits.Max_Side), static_cast<png_uint_32>(limits.Max_Side));
    png_set_chunk_cache_max(png, 128);
    png_set_chunk_malloc_max(png, 8 << 20);
    out = Decode(png, info, rows, part, sink, limits);
  }
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  return out;
}

}  // namespace toolkit
