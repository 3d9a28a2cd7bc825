// The message loop's schedule: which works a round steps, and how the loop then waits, a failed wait included.
#include <gtest/gtest.h>

#include "toolkit/portable/work_schedule.h"

using toolkit::Next_Step;
using toolkit::Work_Schedule;
using Woke = Work_Schedule::Woke;

TEST(Work_Schedule, AFailedWaitStepsEveryWorkAndTheLoopThenWaitsAgainWithoutSpinning) {
  int frames = 0, reader = 0;  // a paced painting, and a work that waits for a worker's answer
  Work_Schedule s;
  s.Start(&frames, 1000);
  s.Start(&reader, 1000);
  const auto step = [&](std::uint32_t now) {
    const auto due = s.Due(now);
    for (auto* work : due) s.Stepped(work, work == &frames ? Next_Step::After(40) : Next_Step::On_Signal(), now);
    return due;
  };
  using Due = std::vector<Work_Schedule::Work>;
  EXPECT_EQ(step(1000), (Due{&frames, &reader}));
  EXPECT_EQ(s.Next_Wait(1000).Ms, 40u);
  EXPECT_TRUE(s.Next_Wait(1000).With_Signals);

  s.Woken(Woke::Signalled, 1010, &reader);
  EXPECT_EQ(step(1010), (Due{&reader}));

  // The wait fails: both are due, though the frame's time has not come and no answer was seen.
  s.Woken(Woke::Failed, 1020);
  EXPECT_EQ(step(1020), (Due{&frames, &reader}));
  // Then a wait of a poll's length, not at once, and without the handles, one of which may be what failed ...
  const Work_Schedule::Wait poll = s.Next_Wait(1020);
  EXPECT_EQ(poll.Ms, Work_Schedule::Poll_Ms);
  EXPECT_FALSE(poll.With_Signals);
  // ... after which the work that waits for a signal is looked at again, and the waits are as before.
  s.Woken(Woke::Input_Or_Time, 1030);
  EXPECT_EQ(step(1030), (Due{&reader}));
  EXPECT_EQ(s.Next_Wait(1030).Ms, 30u);
  EXPECT_TRUE(s.Next_Wait(1030).With_Signals);

  // A work that is done leaves; with nothing due and nothing timed the loop waits for ever.
  s.Stepped(&frames, Next_Step::Done(), 1030);
  EXPECT_FALSE(s.Has(&frames));
  EXPECT_EQ(s.Next_Wait(1030).Ms, Next_Step::Forever);
}
