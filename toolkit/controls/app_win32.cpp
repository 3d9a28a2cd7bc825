#include "toolkit/controls/app.h"

#include <algorithm>

#include "toolkit/controls/form.h"
#include "toolkit/system/process.h"
#include "toolkit/system/system_text.h"
#include "toolkit/system/wait.h"

namespace toolkit {

Stepped_Work::~Stepped_Work() {
  if (app_) app_->Stop(*this);
}

void App::Owner_Window::Create() {
  Window::Create(L"Quorvantile_Owner", 0, L"Quorvantile", WS_POPUP, 0, 0, 0, 0, nullptr);
}

LRESULT App::Owner_Window::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) End_Program();
  return Window::Handle_Message(msg, wp, lp);
}

App::App() { owner_.Create(); }

void App::Start(Stepped_Work& work) {
  if (work.app_ && work.app_ != this) work.app_->Stop(work);
  work.app_ = this;
  schedule_.Start(&work, GetTickCount());
}

void App::Stop(Stepped_Work& work) {
  schedule_.Stop(&work);
  if (work.app_ == this) work.app_ = nullptr;
}

void App::Run() {
  Run_Until(nullptr);
  End_Program();
}

void App::Run_Until(const std::function<bool()>& done) {
  for (;;) {
    MSG msg;
    while (Peek_Message(msg)) {
      if (msg.message == WM_QUIT) End_Program();
      if (!Form::Take_Dialog_Keys(msg)) Dispatch_Message(msg);
    }
    if (done && done()) return;
    Step_Due_Work();
    const Work_Schedule::Wait wait = schedule_.Next_Wait(GetTickCount());
    // With a condition to ask again, never longer than a moment.
    if (wait.Ms != 0) Wait(done ? std::min<DWORD>(wait.Ms, 10) : wait.Ms, wait.With_Signals);
  }
}

// A work may start or stop any work during its step, itself included: each round steps those due at its start that
// are still there.
void App::Step_Due_Work() {
  for (Work_Schedule::Work id : schedule_.Due(GetTickCount())) {
    if (!schedule_.Has(id)) continue;
    auto* const work = static_cast<Stepped_Work*>(id);
    const Next_Step next = work->Step();
    schedule_.Stepped(id, next, GetTickCount());
  }
}

// Waits for input, a work's signal or the time given.
void App::Wait(DWORD ms, bool with_signals) {
  std::vector<HANDLE> handles;
  std::vector<Work_Schedule::Work> of;
  if (with_signals)
    for (Work_Schedule::Work id : schedule_.Works())
      if (const HANDLE h = static_cast<Stepped_Work*>(id)->Wake_Handle();
          h && handles.size() < MAXIMUM_WAIT_OBJECTS - 1) {
        handles.push_back(h);
        of.push_back(id);
      }
  const DWORD woke = Wait_For_Input(handles, ms);
  const DWORD now = GetTickCount();
  if (woke == WAIT_FAILED)
    schedule_.Woken(Work_Schedule::Woke::Failed, now);
  else if (woke >= WAIT_OBJECT_0 && woke < WAIT_OBJECT_0 + handles.size())
    schedule_.Woken(Work_Schedule::Woke::Signalled, now, of[woke - WAIT_OBJECT_0]);
  else
    schedule_.Woken(Work_Schedule::Woke::Input_Or_Time, now);
}

}  // namespace toolkit
