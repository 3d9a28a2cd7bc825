#include "toolkit/controls/app.h"

#include <algorithm>

#include "toolkit/controls/form.h"
#include "toolkit/system/process.h"
#include "toolkit/system/system_text.h"

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

App::Entry* App::Find(const Stepped_Work& work) {
  const auto found = std::find_if(work_.begin(), work_.end(), [&](const Entry& e) { return e.Work == &work; });
  return found == work_.end() ? nullptr : &*found;
}

void App::Start(Stepped_Work& work) {
  if (work.app_ && work.app_ != this) work.app_->Stop(work);
  work.app_ = this;
  const Entry now{&work, GetTickCount(), false};
  if (Entry* const found = Find(work))
    *found = now;
  else
    work_.push_back(now);
}

void App::Stop(Stepped_Work& work) {
  std::erase_if(work_, [&](const Entry& e) { return e.Work == &work; });
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
    const DWORD wait = Step_Due_Work();
    // With a condition to ask again, never longer than a moment.
    if (wait != 0) Wait(done ? std::min<DWORD>(wait, 10) : wait);
  }
}

// A work may start or stop any work during its step, itself included: each round steps those due at its start that
// are still there.
DWORD App::Step_Due_Work() {
  const DWORD now = GetTickCount();
  std::vector<Stepped_Work*> due;
  for (const Entry& e : work_)
    if (!e.Waiting && static_cast<LONG>(e.Due - now) <= 0) due.push_back(e.Work);
  for (Stepped_Work* work : due) {
    if (!Find(*work)) continue;
    const Next_Step next = work->Step();
    Entry* const still = Find(*work);
    if (!still) continue;
    if (next.Finished) {
      Stop(*work);
      continue;
    }
    *still = {work, GetTickCount() + (next.Wait_Ms == INFINITE ? 0 : next.Wait_Ms), next.Wait_Ms == INFINITE};
  }
  DWORD wait = INFINITE;
  const DWORD after = GetTickCount();
  for (const Entry& e : work_)
    if (!e.Waiting) wait = std::min(wait, static_cast<LONG>(e.Due - after) <= 0 ? 0 : e.Due - after);
  return wait;
}

// Waits for input, a work's signal or the time given; a signalled work is due at once.
void App::Wait(DWORD ms) {
  std::vector<HANDLE> handles;
  std::vector<std::size_t> of;
  for (std::size_t i = 0; i < work_.size() && handles.size() < MAXIMUM_WAIT_OBJECTS - 1; ++i)
    if (const HANDLE h = work_[i].Work->Wake_Handle()) {
      handles.push_back(h);
      of.push_back(i);
    }
  const DWORD woke =
      MsgWaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, ms, QS_ALLINPUT);
  if (woke >= WAIT_OBJECT_0 && woke < WAIT_OBJECT_0 + handles.size()) {
    Entry& e = work_[of[woke - WAIT_OBJECT_0]];
    e.Waiting = false;
    e.Due = GetTickCount();
  }
}

}  // namespace toolkit
