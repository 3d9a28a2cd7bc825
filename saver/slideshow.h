#pragma once
// The slideshow as an engine of its own, apart from the saver's windows: each monitor's road from asking for its
// next picture to holding it finished, driven by a clock and a loader. The loader reads, places and prepares each
// painting elsewhere (on the worker); the engine starts the paintings, paints their frames and holds them, a
// round at a time, so that no round makes input wait.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/play_order.h"
#include "paint/painting.h"

namespace Quorvantile_B {

// Pixels 0x00RRGGBB, rows from the top.
struct Pixel_View {
  const std::uint32_t* Bits = nullptr;
  int W = 0, H = 0;
};

// A monitor's canvas on the screen, which its paintings paint on.
class Monitor_Canvas : public Paint_Surface {
 public:
  // Hides the canvas, sizes it W x H centred on its monitor, clears it to white and shows it.
  virtual void Start(int W, int H) = 0;
  // Brings what was painted since the last refresh to the screen.
  virtual void Refresh() = 0;
  // What it shows, until it starts again.
  virtual Pixel_View Shown() const = 0;
};

struct Painting_Request {
  std::uint32_t Id = 0;
  std::int16_t Picture = 0;  // the index into the picture list
  int Scr_W = 0, Scr_H = 0;  // the monitor's size
  // For a picture that cannot be loaded: the size of what the monitor showed last, which is left black where the
  // picture loaded before it fitted at its own size; and what the monitor shows, shown again where not even that
  // picture can be read again.
  int Last_W = 0, Last_H = 0;
  Pixel_View Shown;
};

struct Painting_Answer {
  std::uint32_t Request = 0;
  // Ready to paint; nothing where there is nothing to paint, which ends at once.
  std::optional<Prepared_Painting> Prepared;
  bool Loaded = false;  // the picture asked for, not one shown again in its place
};

class Painting_Loader {
 public:
  virtual ~Painting_Loader() = default;
  // Asks for a painting after those asked already; raises an error where it cannot be asked.
  virtual void Ask(const Painting_Request& request) = 0;
  // An answer, in the order they come; none while there is none.
  virtual std::optional<Painting_Answer> Take() = 0;
  // The requests asked and not yet taken.
  virtual std::size_t Outstanding() const = 0;
};

class Slideshow_Clock {
 public:
  virtual ~Slideshow_Clock() = default;
  // Milliseconds of a clock that wraps.
  virtual std::uint32_t Now() = 0;
};

class Slideshow {
 public:
  static constexpr std::uint32_t Forever = 0xFFFFFFFF;
  // A round's share of time, all monitors together, their refreshes included: the paintings give way to input when
  // they cannot keep up. Below a frame's 25 ms, which the rest of the round and the loop's messages share.
  static constexpr std::uint32_t Round_Ms = 20;

  // Paint_Ms is the reveal's length and Hold_Ms the hold, 0 and 0 for full speed: a growth layer of each monitor's
  // painting a round, and the next picture as soon as one ends.
  Slideshow(Play_List& play, std::uint32_t Paint_Ms, std::uint32_t Hold_Ms, Slideshow_Clock& clock,
            Painting_Loader& loader);
  // A monitor of Scr_W x Scr_H pixels, which asks for its first picture at the next round; the primary one first.
  void Add_Monitor(Monitor_Canvas& canvas, int Scr_W, int Scr_H);
  // One round: the answers taken, and every monitor moved on (a frame of its painting, the end of its hold, a
  // painting started). The milliseconds until the next round is due, or Forever while the monitors wait for answers.
  std::uint32_t Move_On();

  enum class Stage { Asked, Placed, Painting, Holding };
  // Where each monitor's picture is on its road, in the monitors' order.
  std::vector<Stage> Stages() const;

 private:
  struct Monitor {
    Monitor(Monitor_Canvas& canvas, int w, int h) : Canvas(&canvas), Scr_W(w), Scr_H(h) {}
    Monitor_Canvas* Canvas;
    int Scr_W, Scr_H;
    Stage Now = Stage::Asked;
    // Its next picture: drawn from the play order and not yet asked (the ask failed: it is asked again at the
    // next frame), asked, or ready.
    enum class Next { None, Due, Asked, Ready } Next_State = Next::None;
    std::int16_t Next_Picture = 0;
    std::shared_ptr<const Prepared_Painting> Ready;  // null: nothing to paint
    std::optional<Painting> Painting_Now;
    int Last_W = 0, Last_H = 0;
    std::uint32_t Reveal_Start = 0, Next_Frame = 0, Hold_End = 0;
    std::uint32_t Refresh_Ms = 0;  // how long its last frame took to reach the screen
  };
  // A request under way, and the monitors that wait for it: all of one size, showing the same picture.
  struct Asking {
    std::uint32_t Id;
    std::int16_t Picture;
    std::vector<Monitor*> Monitors;
  };

  std::uint32_t Move_On(Monitor& m, std::uint32_t now);
  // The monitor's next picture of the play order, asked for: see Ask_Due.
  std::uint32_t Ask_Next(Monitor& m);
  // Asks for the monitor's due picture, or joins a request for it under way; Frame_Ms while it is still due, as
  // where the loader could not take the request, and Forever once it waits for an answer.
  std::uint32_t Ask_Due(Monitor& m);
  void Receive(Painting_Answer answer);
  void Start_Painting(Monitor& m, std::uint32_t now);
  // A frame of the monitor's painting, shown; false once the painting has ended.
  bool Paint_Frame_Of(Monitor& m, std::uint32_t now);
  void End_Reveal(Monitor& m, std::uint32_t now);

  Play_List& play_;
  const std::uint32_t Paint_Ms, Hold_Ms;
  Slideshow_Clock& clock_;
  Painting_Loader& loader_;
  std::vector<std::unique_ptr<Monitor>> monitors_;
  std::vector<Asking> asking_;
  std::uint32_t last_id_ = 0, round_start_ = 0;
  std::size_t first_ = 0;  // the monitor that goes first this round
};

}  // namespace Quorvantile_B
