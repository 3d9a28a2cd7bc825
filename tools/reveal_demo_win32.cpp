// Records the reveal of one picture for the README: the real saver window paints it under Wine, and the
// canvas is written as a numbered bitmap at even steps through each pass.
//   qv_reveal_demo.exe PICTURE FOLDER [FRAMES_PER_PASS]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "saver/display_surface.h"
#include "saver/quorvantile_s.h"
#include "settings/settings_values.h"
#include "tests/wine/driver.h"
#include "toolkit/system_text.h"

using namespace Quorvantile_B;

namespace {

// Writes 0x00RRGGBB pixels, row by row from the top, as a 32-bit bitmap file.
void Save_Bmp(const std::wstring& path, const std::vector<DWORD>& pixels, int w, int h) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD size = static_cast<DWORD>(pixels.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + size;
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(pixels.data()), size);
}

// Passes the painting on to the saver's canvas and writes a frame whenever another step of pixels is done.
class Recording_Surface : public Paint_Surface {
 public:
  Recording_Surface(toolkit::Picture_Box& canvas, std::wstring folder, long long step)
      : canvas_(canvas), display_(canvas), folder_(std::move(folder)), step_(step) {}
  void Set_Pixel(int x, int y, std::uint32_t colour) override {
    display_.Set_Pixel(x, y, colour);
    ++painted_;
  }
  void Yield_To_Events() override {
    display_.Yield_To_Events();
    if (painted_ >= next_) {
      Frame();
      next_ += step_;
    }
  }
  void Frame() {
    const int w = canvas_.Width(), h = canvas_.Height();
    const auto pixels =
        driver::Draw_To_Pixels(w, h, [&](HDC dc) { BitBlt(dc, 0, 0, w, h, canvas_.Hdc(), 0, 0, SRCCOPY); });
    wchar_t name[32];
    std::swprintf(name, 32, L"\\frame%04d.bmp", frames_++);
    Save_Bmp(folder_ + name, pixels, w, h);
  }
  int Frames() const { return frames_; }

 private:
  toolkit::Picture_Box& canvas_;
  Display_Surface display_;
  std::wstring folder_;
  long long step_, painted_ = 0, next_ = 0;
  int frames_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: qv_reveal_demo PICTURE FOLDER [FRAMES_PER_PASS]\n");
    return 2;
  }
  const std::wstring picture = toolkit::From_Ansi(argv[1]), folder = toolkit::From_Ansi(argv[2]);
  const int per_pass = argc > 3 ? std::atoi(argv[3]) : 20;
  Quorvantile_S saver;
  saver.Create_Window();
  saver.Create_Controls();
  Size_Mode = 0;
  Pict_List = {L"", picture};
  Pict_Count = 1;
  Play_Order = {0, 1};
  saver.Scr_W = static_cast<std::int16_t>(GetSystemMetrics(SM_CXSCREEN));
  saver.Scr_H = static_cast<std::int16_t>(GetSystemMetrics(SM_CYSCREEN));
  saver.Next_Picture();
  Sum_Range = 100;
  // The window is the picture's size, and so is the screen the painting centres on.
  const int W = saver.Master.Width(), H = saver.Master.Height();
  saver.Move_Twips(0, 0, W * 15.0, H * 15.0);
  saver.Scr_W = static_cast<std::int16_t>(W);
  saver.Scr_H = static_cast<std::int16_t>(H);
  saver.Show();
  saver.Prepare_Painting();
  Recording_Surface recording(saver.Display, folder, static_cast<long long>(W - 2) * (H - 2) / per_pass);
  Paint_Passes(recording);
  recording.Frame();
  std::printf("reveal demo: %d frames of %d x %d in %s\n", recording.Frames(), W, H, argv[2]);
}
