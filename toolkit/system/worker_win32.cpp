#include "toolkit/system/worker.h"

#include <objbase.h>
#include <process.h>

#include "toolkit/portable/run_error.h"
#include "toolkit/system/optional_entries.h"
#include "toolkit/system/system_text.h"
#include "toolkit/system/wait.h"

namespace toolkit {

Worker::Worker()
    : multi_threaded_(Entry_Point(Optional::CoInitializeEx)), posted_event_(Create_Event()), done_event_(Create_Event()) {
  if (!posted_event_ || !done_event_) throw Run_Error(Error_Kind::Invalid_Call, "Cannot make the worker's events");
  InitializeCriticalSection(&section_);
  // The caches of the platform that the worker's calls read are filled here, on the window thread.
  Nt_Family();
}

Worker::~Worker() {
  Jobs dropped;
  {
    const Lock lock(section_);
    stopping_ = true;
    dropped.swap(waiting_);
  }
  if (thread_) {
    SetEvent(posted_event_.Get());
    WaitForSingleObject(thread_.Get(), INFINITE);
  }
  DeleteCriticalSection(&section_);
}

void Worker::Post(std::unique_ptr<Worker_Job> job) {
  if (!thread_) {
    thread_.Reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Worker::Thread_Main, this, 0, nullptr)));
    if (!thread_) throw Run_Error(Error_Kind::Invalid_Call, "Cannot start the worker");
    // Its work can wait; the window thread's input cannot.
    SetThreadPriority(thread_.Get(), THREAD_PRIORITY_BELOW_NORMAL);
  }
  Jobs one;
  one.push_back(std::move(job));
  {
    const Lock lock(section_);
    waiting_.splice(waiting_.end(), one);
  }
  SetEvent(posted_event_.Get());
}

std::unique_ptr<Worker_Job> Worker::Take() {
  Jobs one;
  {
    const Lock lock(section_);
    if (!done_.empty()) one.splice(one.end(), done_, done_.begin());
  }
  return one.empty() ? nullptr : std::move(one.front());
}

void Worker::Drop_Waiting() {
  Jobs dropped;
  const Lock lock(section_);
  dropped.swap(waiting_);
}

std::size_t Worker::Outstanding() const {
  const Lock lock(section_);
  return waiting_.size() + running_.size() + done_.size();
}

// The system's picture decoders are COM objects, so the worker enters an apartment. A multi-threaded one takes no
// window messages; where the system has none (95 without DCOM) the single-threaded one does, and the worker's waits
// take its messages (toolkit/system/wait.h) so that nobody who sends one to every window hangs on it.
unsigned __stdcall Worker::Thread_Main(void* self) {
  auto& worker = *static_cast<Worker*>(self);
  const HRESULT entered = worker.multi_threaded_ ? worker.multi_threaded_(nullptr, COINIT_MULTITHREADED)
                                                 : CoInitialize(nullptr);
  worker.Serve();
  if (SUCCEEDED(entered)) CoUninitialize();
  return 0;
}

void Worker::Serve() noexcept {
  for (;;) {
    Worker_Job* job = nullptr;
    {
      const Lock lock(section_);
      if (stopping_) return;
      if (!waiting_.empty()) {
        running_.splice(running_.end(), waiting_, waiting_.begin());
        job = running_.front().get();
      }
    }
    if (!job) {
      if (!Wait_Taking_Messages(posted_event_.Get())) return;
      continue;
    }
    job->Run();
    {
      const Lock lock(section_);
      done_.splice(done_.end(), running_);
    }
    SetEvent(done_event_.Get());
  }
}

}  // namespace toolkit
