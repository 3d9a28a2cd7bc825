#pragma once
// Each picture's whole road but its painting, on the worker: read and decoded, turned upright, placed for its
// monitor (fitted or cut to the screen, or as it is where it fits), its placed pixels read and its painting
// prepared. The window thread is handed the prepared painting alone.
#include <windows.h>

#include <string>

#include "catalogue/pict_list.h"
#include "saver/slideshow.h"
#include "toolkit/portable/random.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/worker.h"

namespace Quorvantile_B {

// The brightness window of a region of the painting.
constexpr std::int16_t Sum_Range = 100;

class Painting_Road : public Painting_Loader {
 public:
  // The pictures are the saver's, which it keeps for as long as the road.
  Painting_Road(const Catalogue& pictures, std::int16_t Size_Mode);
  void Ask(const Painting_Request& request) override;
  std::optional<Painting_Answer> Take() override;
  std::size_t Outstanding() const override { return worker_.Outstanding(); }
  // Signalled at each answer; for the message loop to wait on.
  HANDLE Answer_Event() const { return worker_.Done_Event(); }

 private:
  class Road_Job;
  const Catalogue& pictures_;
  const std::int16_t Size_Mode;
  // Read once, on the window thread: the worker asks no cache of the platform.
  const toolkit::Dots_Per_Inch dpi_;
  // The worker's own: the last file it could load, and the draws of the seed orders.
  std::wstring last_loaded_;
  toolkit::Random_Generator rnd_ = toolkit::Random_Generator::From_Clock();
  // Last, so that its thread ends before what its jobs use goes.
  toolkit::Worker worker_;
};

}  // namespace Quorvantile_B
