#pragma once
// When each piece of long work in the message loop is due for its next step, and how long the loop may wait. The
// loop asks it which works to step, steps them, asks how to wait, waits, and tells it what ended the wait. Times
// are milliseconds of a clock that wraps (GetTickCount's).
#include <cstdint>
#include <vector>

namespace toolkit {

// When a piece of long work wants its next step: at once, after a while, or once its handle is signalled.
struct Next_Step {
  static constexpr std::uint32_t Forever = 0xFFFFFFFF;
  static constexpr Next_Step Now() { return {0}; }
  static constexpr Next_Step After(std::uint32_t ms) { return {ms}; }
  static constexpr Next_Step On_Signal() { return {Forever}; }
  // Finished: the loop steps it no more.
  static constexpr Next_Step Done() { return {Forever, true}; }
  std::uint32_t Wait_Ms;
  bool Finished = false;
};

class Work_Schedule {
 public:
  using Work = void*;  // never read here
  // After a wait that failed, the loop looks at every work this often, until a wait succeeds again.
  static constexpr std::uint32_t Poll_Ms = 10;

  // Due at once; a work already there starts again.
  void Start(Work work, std::uint32_t now);
  void Stop(Work work);
  bool Has(Work work) const;
  // The works due now, in the order they started.
  std::vector<Work> Due(std::uint32_t now) const;
  // What a work's step asked for; a finished work leaves the schedule.
  void Stepped(Work work, Next_Step next, std::uint32_t now);

  struct Wait {
    std::uint32_t Ms;   // Next_Step::Forever for no limit
    bool With_Signals;  // whether the works' handles are waited on too
  };
  Wait Next_Wait(std::uint32_t now) const;
  // Every work, in the order they started: a work's handle, where it has one, calls for its step when signalled.
  std::vector<Work> Works() const;

  enum class Woke { Input_Or_Time, Signalled, Failed };
  // What ended the wait: a message or the time, the signal of a work, or a failure of the wait itself. A failed
  // wait makes every work due, since nothing says which one it missed; the next waits then look at every work
  // again after Poll_Ms, without the handles, one of which may be what failed.
  void Woken(Woke how, std::uint32_t now, Work signalled = nullptr);

 private:
  struct Entry {
    Work Id;
    std::uint32_t Due;
    bool Waiting;  // for its signal only
  };
  Entry* Find(Work work);
  std::vector<Entry> entries_;
  bool polling_ = false;
};

}  // namespace toolkit
