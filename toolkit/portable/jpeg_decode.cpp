// JPEG through libjpeg-turbo. Its errors come back as a long jump to the one place below that set it: the frames it
// leaves are the library's and the callbacks', which hold nothing that needs an end.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "toolkit/portable/picture_decode.h"

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace toolkit {
namespace {

struct Errors : jpeg_error_mgr {
  std::jmp_buf jump;
};

[[noreturn]] void Refuse(j_common_ptr c) { std::longjmp(static_cast<Errors*>(c->err)->jump, 1); }
void Say_Nothing(j_common_ptr) {}
void Say_Nothing_At(j_common_ptr, int) {}

struct Source : jpeg_source_mgr {
  Byte_Source* bytes;
  JOCTET buffer[1 << 16];
};

void Start_Source(j_decompress_ptr) {}
void End_Source(j_decompress_ptr) {}

// A file that ends too soon ends in an end marker, as the library's own sources do: what came is shown.
boolean Fill_Source(j_decompress_ptr c) {
  auto* s = static_cast<Source*>(c->src);
  std::size_t got = s->bytes->Read(s->buffer, sizeof s->buffer);
  if (got == 0) {
    s->buffer[0] = 0xFF;
    s->buffer[1] = JPEG_EOI;
    got = 2;
  }
  s->next_input_byte = s->buffer;
  s->bytes_in_buffer = got;
  return TRUE;
}

void Skip_Source(j_decompress_ptr c, long count) {
  auto* s = static_cast<Source*>(c->src);
  for (; count > 0 && count > static_cast<long>(s->bytes_in_buffer); count -= static_cast<long>(s->bytes_in_buffer))
    Fill_Source(c);
  if (count > 0) {
    s->next_input_byte += count;
    s->bytes_in_buffer -= static_cast<std::size_t>(count);
  }
}

struct Progress : jpeg_progress_mgr {
  int max_scans;
};

// A progressive file of very many scans would take the worker for ever: it is refused.
void Count_Scans(j_common_ptr c) {
  auto* d = reinterpret_cast<j_decompress_ptr>(c);
  if (d->input_scan_number > static_cast<Progress*>(c->progress)->max_scans) ERREXIT(c, JERR_NOT_COMPILED);
}

struct Decoding {
  jpeg_decompress_struct info;
  Errors errors;
  Source source;
  Progress progress;
};

std::uint32_t Cmyk_To_Rgb(const JOCTET* p, bool inverted) {
  // An Adobe file keeps its inks inverted, as Photoshop writes them.
  const int c = inverted ? p[0] : 255 - p[0], m = inverted ? p[1] : 255 - p[1], y = inverted ? p[2] : 255 - p[2];
  const int k = inverted ? p[3] : 255 - p[3];
  const auto channel = [k](int ink) { return static_cast<std::uint32_t>((ink * k + 127) / 255); };
  return channel(c) << 16 | channel(m) << 8 | channel(y);
}

// The work between the jump's setting and the end; any error jumps back out of it.
Decoded_Part Decode(Decoding& d, Part_Chooser& part, Pixel_Sink& sink, const Decode_Limits& limits) {
  jpeg_decompress_struct& info = d.info;
  jpeg_read_header(&info, TRUE);
  Decoded_Part out;
  out.Stored_W = static_cast<int>(info.image_width);
  out.Stored_H = static_cast<int>(info.image_height);
  if (out.Stored_W > limits.Max_Side || out.Stored_H > limits.Max_Side) return {};
  const Decode_Part want = part.Part(out.Stored_W, out.Stored_H);
  const bool window = want.W > 0 && want.H > 0 && (want.W < out.Stored_W || want.H < out.Stored_H);
  info.scale_num = window ? 8 : static_cast<unsigned>(Jpeg_Scale(out.Stored_W, out.Stored_H, want.Min_W, want.Min_H));
  info.scale_denom = 8;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_calc_output_dimensions(&info);
  out.X = window ? std::max(0, want.X) : 0;
  out.Y = window ? std::max(0, want.Y) : 0;
  out.W = window ? std::min(want.W, out.Stored_W - out.X) : static_cast<int>(info.output_width);
  out.H = window ? std::min(want.H, out.Stored_H - out.Y) : static_cast<int>(info.output_height);
  if (out.W <= 0 || out.H <= 0 || 1LL * out.W * out.H > limits.Max_Pixels) return {};
  jpeg_start_decompress(&info);
  // The columns shown, from the iMCU where they begin; the rows above them passed over.
  JDIMENSION from = static_cast<JDIMENSION>(out.X), across = static_cast<JDIMENSION>(out.W);
  if (window) jpeg_crop_scanline(&info, &from, &across);
  std::uint32_t* const pixels = sink.Pixels(out.W, out.H);
  if (!pixels) return {};
  if (window && out.Y > 0) jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(out.Y));
  const JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                   info.output_width * 4, 1);
  const int skip = out.X - static_cast<int>(from);
  for (int y = 0; y < out.H; ++y) {
    jpeg_read_scanlines(&info, row, 1);
    std::uint32_t* const into = pixels + static_cast<std::size_t>(y) * out.W;
    const JOCTET* at = row[0] + static_cast<std::size_t>(skip) * 4;
    for (int x = 0; x < out.W; ++x, at += 4) {
      if (cmyk) {
        into[x] = Cmyk_To_Rgb(at, info.saw_Adobe_marker);
      } else {
        std::uint32_t bgrx;
        std::memcpy(&bgrx, at, 4);
        into[x] = bgrx & 0xFFFFFF;
      }
    }
  }
  jpeg_abort_decompress(&info);
  out.Decoded = true;
  return out;
}

}  // namespace

int Jpeg_Scale(int stored_w, int stored_h, int min_w, int min_h) {
  if (min_w <= 0 && min_h <= 0) return 8;  // no size shown: the whole at its own size
  for (int m = 1; m < 8; ++m)
    if ((1LL * stored_w * m + 7) / 8 >= min_w && (1LL * stored_h * m + 7) / 8 >= min_h) return m;
  return 8;
}

Decoded_Part Decode_Jpeg(Byte_Source& source, Part_Chooser& part, Pixel_Sink& sink,
                         const Decode_Limits& limits) noexcept {
  Decoding d{};
  d.info.err = jpeg_std_error(&d.errors);
  d.errors.error_exit = Refuse;
  d.errors.output_message = Say_Nothing;
  d.errors.emit_message = Say_Nothing_At;
  if (setjmp(d.errors.jump)) {
    jpeg_destroy_decompress(&d.info);
    return {};
  }
  jpeg_create_decompress(&d.info);
  d.info.mem->max_memory_to_use = static_cast<long>(limits.Max_Memory);
  d.source.bytes = &source;
  d.source.init_source = Start_Source;
  d.source.fill_input_buffer = Fill_Source;
  d.source.skip_input_data = Skip_Source;
  d.source.resync_to_restart = jpeg_resync_to_restart;
  d.source.term_source = End_Source;
  d.info.src = &d.source;
  d.progress.progress_monitor = Count_Scans;
  d.progress.max_scans = limits.Max_Scans;
  d.info.progress = &d.progress;
  const Decoded_Part out = Decode(d, part, sink, limits);
  jpeg_destroy_decompress(&d.info);
  return out;
}

}  // namespace toolkit
