#pragma once
// The application: the hidden top-level window that owns all the forms, and the program's one message loop, which
// moves long work on a step at a time between the messages and waits when nothing is due.
#include <windows.h>

#include <functional>
#include <vector>

#include "toolkit/controls/window.h"
#include "toolkit/portable/work_schedule.h"

namespace toolkit {

class App;

// Long work, which does a bounded share at each step and returns, so that input is handled between two steps. It
// leaves the loop when it is done, or when it goes.
class Stepped_Work {
 public:
  Stepped_Work() = default;
  virtual ~Stepped_Work();
  Stepped_Work(const Stepped_Work&) = delete;
  Stepped_Work& operator=(const Stepped_Work&) = delete;

  virtual Next_Step Step() = 0;
  // A handle whose signal calls for a step (the answer of a worker thread), or null.
  virtual HANDLE Wake_Handle() const { return nullptr; }

 private:
  friend class App;
  App* app_ = nullptr;
};

// A step's share of time, after which it returns to the loop: short enough that input never waits for it.
class Time_Slice {
 public:
  static constexpr DWORD Length_Ms = 10;
  bool Spent() const { return GetTickCount() - start_ >= Length_Ms; }

 private:
  DWORD start_ = GetTickCount();
};

class App {
 public:
  App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // The program's hidden top-level window: closing it ends the program.
  HWND Owner() const { return owner_.Hwnd(); }

  // Steps the work from the loop's next round on, at once; a work already under way starts again.
  void Start(Stepped_Work& work);
  void Stop(Stepped_Work& work);

  // The message loop: takes every pending message, then steps the work that is due, then waits for a message, a
  // signal or the next step's time. Runs until the program ends.
  [[noreturn]] void Run();
  // The same loop, until the condition holds after the messages of a round: for tools and tests that drive the
  // program in their own process.
  void Run_Until(const std::function<bool()>& done);

 private:
  class Owner_Window : public Window {
   public:
    void Create();

   protected:
    LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
  };
  // Steps every work that is due.
  void Step_Due_Work();
  void Wait(DWORD ms, bool with_signals);

  Owner_Window owner_;
  Work_Schedule schedule_;
};

}  // namespace toolkit
