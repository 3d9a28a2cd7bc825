#pragma once
// A thread of its own for work too long for the window thread, done one job at a time in the order posted. The
// window thread makes each job, with room for its result, and posts it; the worker runs it and hands it back, done,
// for the window thread to take. A job holds results, never a system object that belongs to the worker.
//
// Nothing on the worker raises an error. On the 95 family the runtime's locks lock nothing (the semaphores under them
// come from CreateSemaphoreW, a stub there), and raising an error takes the unwinder's lock: two threads unwinding at
// once would meet in it unguarded. So a job reports failure by value, has its memory without raising
// (toolkit/portable/buffer.h), and starts no static; the queues move jobs between them without allocating.
#include <windows.h>

#include <list>
#include <memory>

#include "toolkit/system/handles.h"

namespace toolkit {

class Worker_Job {
 public:
  virtual ~Worker_Job() = default;
  // Runs on the worker; raises nothing.
  virtual void Run() noexcept = 0;
};

class Worker {
 public:
  // The thread starts with the first job and ends with the worker; a job under way ends first.
  Worker();
  ~Worker();
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // Queues the job after those already posted; raises an error where the thread cannot start, the job left unposted.
  void Post(std::unique_ptr<Worker_Job> job);
  // The oldest job done, or null.
  std::unique_ptr<Worker_Job> Take();
  // Forgets the jobs that have not started.
  void Drop_Waiting();
  // The jobs posted and not yet taken.
  std::size_t Outstanding() const;
  // Signalled when a job is done; for the message loop to wait on.
  HANDLE Done_Event() const { return done_event_.Get(); }

 private:
  using Jobs = std::list<std::unique_ptr<Worker_Job>>;
  static unsigned __stdcall Thread_Main(void* self);
  void Serve() noexcept;

  class Lock {
   public:
    explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Lock() { LeaveCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    CRITICAL_SECTION& section_;
  };

  // The apartment the worker's thread enters, looked up here on the window thread: the table of entry points is
  // the window thread's own.
  using Enter_Apartment = HRESULT(WINAPI*)(LPVOID, DWORD);
  const Enter_Apartment multi_threaded_;
  mutable CRITICAL_SECTION section_;
  // Under the lock; a job moves from one to the next as it goes.
  Jobs waiting_, running_, done_;
  bool stopping_ = false;
  Owner<HANDLE, CloseHandle> posted_event_, done_event_;  // auto-reset
  File_Handle thread_;
};

}  // namespace toolkit
