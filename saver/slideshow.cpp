#include "saver/slideshow.h"

#include <algorithm>

#include "paint/pace.h"
#include "toolkit/portable/error_styles.h"

namespace Quorvantile_B {
namespace {

using toolkit::Resume_Next;

// Whether a time of the clock has come.
bool Come(std::uint32_t time, std::uint32_t now) { return static_cast<std::int32_t>(time - now) <= 0; }

}  // namespace

Slideshow::Slideshow(Play_List& play, std::uint32_t Paint_Ms, std::uint32_t Hold_Ms, Slideshow_Clock& clock,
                     Painting_Loader& loader)
    : play_(play), Paint_Ms(Paint_Ms), Hold_Ms(Hold_Ms), clock_(clock), loader_(loader) {}

void Slideshow::Add_Monitor(Monitor_Canvas& canvas, int Scr_W, int Scr_H) {
  monitors_.push_back(std::make_unique<Monitor>(canvas, Scr_W, Scr_H));
}

std::vector<Slideshow::Stage> Slideshow::Stages() const {
  std::vector<Stage> stages;
  for (const auto& m : monitors_) stages.push_back(m->Now);
  return stages;
}

std::uint32_t Slideshow::Move_On() {
  const std::uint32_t now = round_start_ = clock_.Now();
  while (std::optional<Painting_Answer> answer = loader_.Take()) Resume_Next([&] { Receive(std::move(*answer)); });
  std::uint32_t wait = Forever;
  // The monitors take turns at going first, so that the round's share of time falls to each in turn.
  for (std::size_t k = 0; k < monitors_.size(); ++k) {
    Monitor& m = *monitors_[(first_ + k) % monitors_.size()];
    // A monitor whose step failed is moved on again at the next frame.
    std::uint32_t next = Frame_Ms;
    Resume_Next([&] { next = Move_On(m, now); });
    wait = std::min(wait, next);
  }
  if (!monitors_.empty()) first_ = (first_ + 1) % monitors_.size();
  if (wait == Forever) return Forever;
  // The waits count from the round's start, and the loop counts from its end.
  const std::uint32_t spent = clock_.Now() - now;
  return wait > spent ? wait - spent : 0;
}

std::uint32_t Slideshow::Move_On(Monitor& m, std::uint32_t now) {
  for (;;) switch (m.Now) {
      case Stage::Asked: {
        const std::uint32_t wait = m.Next_State == Monitor::Next::None ? Ask_Next(m) : Ask_Due(m);
        if (m.Next_State != Monitor::Next::Ready) return wait;
        m.Now = Stage::Placed;
        break;
      }
      case Stage::Placed:
        Start_Painting(m, now);
        break;
      case Stage::Painting:
        if (!Come(m.Next_Frame, now)) return m.Next_Frame - now;
        if (Paint_Frame_Of(m, now)) {
          if (Paint_Ms == 0) return 0;
          m.Next_Frame += Frame_Ms;
          if (Come(m.Next_Frame, now)) m.Next_Frame = now + Frame_Ms;  // behind: the next frame from now
          return m.Next_Frame - now;
        }
        End_Reveal(m, now);
        break;
      case Stage::Holding: {
        const std::uint32_t retry = Ask_Due(m);  // a picture read ahead that could not be asked
        if (!Come(m.Hold_End, now)) return std::min(m.Hold_End - now, retry);
        m.Now = Stage::Asked;
        break;
      }
    }
}

std::uint32_t Slideshow::Ask_Next(Monitor& m) {
  m.Next_Picture = play_.Next();
  m.Next_State = Monitor::Next::Due;
  return Ask_Due(m);
}

std::uint32_t Slideshow::Ask_Due(Monitor& m) {
  if (m.Next_State != Monitor::Next::Due) return Forever;
  const auto same = std::find_if(asking_.begin(), asking_.end(), [&](const Asking& a) {
    return a.Picture == m.Next_Picture && a.Monitors.front()->Scr_W == m.Scr_W &&
           a.Monitors.front()->Scr_H == m.Scr_H;
  });
  if (same != asking_.end()) {
    same->Monitors.push_back(&m);
    m.Next_State = Monitor::Next::Asked;
    return Forever;
  }
  const Painting_Request request{last_id_ + 1, m.Next_Picture, m.Scr_W, m.Scr_H, m.Last_W, m.Last_H,
                                 m.Canvas->Shown()};
  // The record first: an answer is never without the request it answers.
  asking_.push_back({request.Id, request.Picture, {&m}});
  bool asked = false;
  Resume_Next([&] {
    loader_.Ask(request);
    asked = true;
  });
  if (!asked) {
    asking_.pop_back();
    return Frame_Ms;
  }
  last_id_ = request.Id;
  m.Next_State = Monitor::Next::Asked;
  return Forever;
}

// The monitor that asked takes the answer; the others that joined it take it too where it is their picture, and
// otherwise ask again on their own, for what each shows in its place.
void Slideshow::Receive(Painting_Answer answer) {
  const auto asked = std::find_if(asking_.begin(), asking_.end(), [&](const Asking& a) { return a.Id == answer.Request; });
  if (asked == asking_.end()) return;
  const std::vector<Monitor*> waiting = std::move(asked->Monitors);
  asking_.erase(asked);
  std::shared_ptr<const Prepared_Painting> prepared;
  if (answer.Prepared) prepared = std::make_shared<const Prepared_Painting>(std::move(*answer.Prepared));
  for (Monitor* m : waiting) {
    const bool takes = m == waiting.front() || answer.Loaded;
    m->Next_State = takes ? Monitor::Next::Ready : Monitor::Next::Due;
    if (takes) m->Ready = prepared;
  }
}

// A picture that cannot be painted ends at once, as one painted to its end.
void Slideshow::Start_Painting(Monitor& m, std::uint32_t now) {
  m.Now = Stage::Painting;
  m.Next_State = Monitor::Next::None;
  const std::shared_ptr<const Prepared_Painting> ready = std::move(m.Ready);
  m.Last_W = ready ? ready->W : 0;
  m.Last_H = ready ? ready->H : 0;
  m.Canvas->Start(m.Last_W, m.Last_H);
  if (ready) Resume_Next([&] { m.Painting_Now.emplace(ready); });
  // The reveal's clock starts on the white canvas.
  m.Reveal_Start = m.Next_Frame = Paint_Ms == 0 ? now : clock_.Now();
}

// The frame paints what the clock has made due, within the round's share of time; at full speed, one growth layer.
// A painting that has ended, or failed, is let go at once.
bool Slideshow::Paint_Frame_Of(Monitor& m, std::uint32_t now) {
  if (!m.Painting_Now) return false;
  bool going = false;
  if (Paint_Ms == 0) {
    Resume_Next([&] { going = m.Painting_Now->Step(*m.Canvas); });
  } else {
    // The round's share holds the frame's refresh too, as long as the monitor's last one took.
    const Pace pace(m.Painting_Now->Total(), Paint_Ms);
    const std::uint32_t share = Round_Ms - std::min(m.Refresh_Ms, Round_Ms / 2);
    Resume_Next([&] {
      going = Paint_Frame(*m.Painting_Now, *m.Canvas, pace.Due(now - m.Reveal_Start),
                          [&] { return clock_.Now() - round_start_ < share; });
    });
  }
  const std::uint32_t refresh_start = clock_.Now();
  m.Canvas->Refresh();
  m.Refresh_Ms = clock_.Now() - refresh_start;
  if (!going) m.Painting_Now.reset();
  return going;
}

// While the finished picture is held, the next one may be prepared, if nothing else is: never more than one ahead.
void Slideshow::End_Reveal(Monitor& m, std::uint32_t now) {
  m.Now = Stage::Holding;
  m.Hold_End = now + Hold_Ms;
  if (Hold_Ms > 0 && m.Next_State == Monitor::Next::None && loader_.Outstanding() == 0) Ask_Next(m);
}

}  // namespace Quorvantile_B
