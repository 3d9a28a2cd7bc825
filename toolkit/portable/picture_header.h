#pragma once
// What the first bytes of a picture file say before it is decoded: its segments (JPEG), and its stored size.
#include <functional>
#include <optional>
#include <span>

namespace toolkit {

// How a walk of a JPEG file's segments ended.
enum class Jpeg_Walk {
  Ended,    // at the image data or its end, or where take stopped it
  Ran_Out,  // the bytes given end within the segments: more of the file would go on
  Not_Jpeg,
};

// Calls take(marker, contents) for each segment of a JPEG file before its image data, in order, while take
// returns true. Reads nothing outside the bytes given.
Jpeg_Walk For_Each_Jpeg_Segment(std::span<const unsigned char> file,
                                const std::function<bool(unsigned char marker, std::span<const unsigned char>)>& take);

struct Stored_Size {
  long long W = 0, H = 0;
};

// What a file's first bytes say of its size: the size a bitmap (either header, the OS/2 one of 16-bit sizes
// included), GIF or JPEG header gives; that more bytes are needed to tell; or that they will not tell (another kind,
// or a JPEG without a frame header before its image data).
struct Header {
  enum class Reading { Size, More, None } Says = Reading::None;
  Stored_Size Size;
};
Header Read_Header(std::span<const unsigned char> head);

// The size that the header gives, where these bytes hold it.
inline std::optional<Stored_Size> Size_From_Header(std::span<const unsigned char> head) {
  const Header h = Read_Header(head);
  return h.Says == Header::Reading::Size ? std::optional(h.Size) : std::nullopt;
}

}  // namespace toolkit
