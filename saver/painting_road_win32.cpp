#include "saver/painting_road.h"

#include "paint/get_bits.h"
#include "saver/placement.h"
#include "toolkit/system/picture.h"
#include "toolkit/system/surface.h"

namespace Quorvantile_B {
namespace {

// The part of a picture a monitor shows, for the decoders that read only that: at its own size the part the screen
// cuts out, fitted the size it is stretched to.
class Placed_Size : public toolkit::Shown_Size {
 public:
  Placed_Size(int Scr_W, int Scr_H, std::int16_t Size_Mode) : Scr_W(Scr_W), Scr_H(Scr_H), Size_Mode(Size_Mode) {}
  toolkit::Decode_Part Part(int W, int H) const noexcept override {
    return Shown_Part(W, H, Scr_W, Scr_H, Size_Mode);
  }

 private:
  const int Scr_W, Scr_H;
  const std::int16_t Size_Mode;
};

// The picture placed as the saver shows it on a monitor: into Master, black first, its size the placement's of the
// picture's natural size; then Master's pixels. What the decoder read of the picture (the part cut out, or the
// whole scaled) stands for all of it. A picture that was not loaded, where the one before it fitted at its own
// size, leaves Master black at the size the monitor showed last. Raises nothing; empty pixels where memory is short.
Grid<std::int32_t> Place_And_Read(const toolkit::Decoded_Picture* picture, bool loaded, const Painting_Request& r,
                                  std::int16_t Size_Mode, int& W, int& H) noexcept {
  const Placement p = Place_Picture(picture ? picture->Natural_W : 0, picture ? picture->Natural_H : 0, r.Scr_W,
                                    r.Scr_H, Size_Mode);
  W = p.Master_W;
  H = p.Master_H;
  if (p.How == Placement::Method::Load_Direct && !loaded) {
    W = r.Last_W;
    H = r.Last_H;
    return Grid<std::int32_t>(W, H);
  }
  Grid<std::int32_t> bits(W, H);
  if (bits.Empty()) return bits;
  const toolkit::Memory_Dc from(CreateCompatibleDC(nullptr));
  if (p.How == Placement::Method::Load_Direct) {
    const toolkit::Selection held(from.Get(), picture->Handle);
    Get_Bits(from.Get(), picture->Handle, bits);
    return bits;
  }
  std::uint32_t* unused = nullptr;
  const toolkit::Bitmap Master(toolkit::Make_Dib(W, H, unused));  // a new DIB section is black
  if (!Master) return {};
  const toolkit::Memory_Dc into(CreateCompatibleDC(nullptr));
  {
    const toolkit::Selection master(into.Get(), Master.Get());
    if (picture) {
      const toolkit::Selection held(from.Get(), picture->Handle);
      if (p.How == Placement::Method::Stretch) {
        SetStretchBltMode(into.Get(), COLORONCOLOR);
        StretchBlt(into.Get(), p.Dest_X, p.Dest_Y, p.Dest_W, p.Dest_H, from.Get(), 0, 0, picture->Width,
                   picture->Height, SRCCOPY);
      } else {
        BitBlt(into.Get(), 0, 0, W, H, from.Get(), p.Src_X - picture->Part_X, p.Src_Y - picture->Part_Y, SRCCOPY);
      }
    }
    GdiFlush();
    Get_Bits(into.Get(), Master.Get(), bits);
  }
  return bits;
}

// What the monitor shows, as raw pixels.
Grid<std::int32_t> Read_Shown(const Pixel_View& shown) noexcept {
  Grid<std::int32_t> bits(shown.W, shown.H);
  if (!bits.Empty())
    for (int y = 0; y < shown.H; ++y)
      for (int x = 0; x < shown.W; ++x)
        bits(x, y) = static_cast<std::int32_t>(shown.Bits[static_cast<std::size_t>(y) * shown.W + x]);
  return bits;
}

}  // namespace

class Painting_Road::Road_Job : public toolkit::Worker_Job {
 public:
  Road_Job(Painting_Road& road, const Painting_Request& request)
      : road_(road), request_(request), path_(road.pictures_.Pict_List.at(static_cast<std::size_t>(request.Picture))) {
    answer_.Request = request.Id;
  }

  // A file that cannot be loaded is answered with the last one that could, read again; where that cannot be
  // read either, with what the monitor shows. Each picture goes as soon as it is placed.
  void Run() noexcept override {
    const Placed_Size shown(request_.Scr_W, request_.Scr_H, road_.Size_Mode);
    std::optional<toolkit::Decoded_Picture> picture = Decode_File(path_, road_.dpi_, toolkit::Lending::Lend, &shown);
    answer_.Loaded = picture.has_value();
    bool show_again = false;
    if (answer_.Loaded) {
      road_.last_loaded_.swap(path_);
    } else if (!road_.last_loaded_.empty()) {
      picture = Decode_File(road_.last_loaded_, road_.dpi_, toolkit::Lending::Lend, &shown);
      show_again = !picture && request_.Shown.Bits;
    }
    int W = 0, H = 0;
    Grid<std::int32_t> bits;
    if (show_again) {
      W = request_.Shown.W;
      H = request_.Shown.H;
      bits = Read_Shown(request_.Shown);
    } else {
      bits = Place_And_Read(picture ? &*picture : nullptr, answer_.Loaded, request_, road_.Size_Mode, W, H);
    }
    picture.reset();
    if (!bits.Empty()) answer_.Prepared = Prep_Paint(std::move(bits), W, H, Sum_Range, road_.rnd_);
  }
  Painting_Answer Result() { return std::move(answer_); }

 private:
  Painting_Road& road_;
  const Painting_Request request_;
  std::wstring path_;
  Painting_Answer answer_;
};

Painting_Road::Painting_Road(const Catalogue& pictures, std::int16_t Size_Mode)
    : pictures_(pictures), Size_Mode(Size_Mode), dpi_(toolkit::Screen_Dpi()) {
  toolkit::Prepare_Decoding();
}

void Painting_Road::Ask(const Painting_Request& request) { worker_.Post(std::make_unique<Road_Job>(*this, request)); }

std::optional<Painting_Answer> Painting_Road::Take() {
  const std::unique_ptr<toolkit::Worker_Job> done = worker_.Take();
  if (!done) return std::nullopt;
  return static_cast<Road_Job&>(*done).Result();
}

}  // namespace Quorvantile_B
