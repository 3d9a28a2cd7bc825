#pragma once
// Picture files read and decoded on a thread of their own, one at a time in the order asked, so that the window
// thread goes on handling input meanwhile; the answers are pixels (Decoded_Picture), never a system object. The
// thread starts with the first request and ends with the loader.
#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/system/handles.h"
#include "toolkit/system/picture.h"

namespace toolkit {

class Picture_Loader {
 public:
  // Work done on the loader's thread after each decode (a turn upright); it raises nothing.
  using Finish = void (*)(Decoded_Picture&) noexcept;
  // Repeating, a file that cannot be loaded is answered with the last picture that was, read again: then nobody
  // need hold a picture while the next is read.
  enum class On_Failure { Nothing, Repeat_Last };
  // Lending, the pixels may be the decoder's own bitmap, which then goes back to this thread when the answer's
  // Keeper goes: the answers must not outlive the loader.
  enum class Pixels { Copied, Lent };
  explicit Picture_Loader(Finish finish = nullptr, On_Failure failure = On_Failure::Nothing,
                          Pixels pixels = Pixels::Copied);
  ~Picture_Loader();
  Picture_Loader(const Picture_Loader&) = delete;
  Picture_Loader& operator=(const Picture_Loader&) = delete;

  // Asks for a file, after those already asked for.
  void Request(std::wstring path);
  // Forgets the requests that have not started.
  void Drop_Waiting();
  // The requests asked and not yet answered, or answered and not yet taken.
  std::size_t Outstanding() const;
  // The answer to the oldest request, once it is there: the picture, or for a file that could not be loaded nothing,
  // or the last picture loaded again.
  struct Answer {
    std::optional<Decoded_Picture> Picture;
    bool Loaded = false;  // the picture asked for
  };
  std::optional<Answer> Take();
  // Signalled at each answer; for the message loop to wait on.
  HANDLE Answer_Event() const { return answered_.Get(); }

 private:
  static unsigned __stdcall Thread_Main(void* self);
  void Serve();

  class Lock {
   public:
    explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Lock() { LeaveCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    CRITICAL_SECTION& section_;
  };

  // A decoder's object whose bitmap came back, for the loader's thread to let go.
  void Hand_Back(IUnknown* decoded);
  void Let_Go_Of_Handed_Back();

  const Finish finish_;
  const On_Failure failure_;
  const Lender lender_;
  // The loader thread's own: the last file it could load.
  std::wstring last_loaded_;
  // Read once, on the window thread: the loader's thread asks no cache of the platform.
  const Dots_Per_Inch dpi_;
  mutable CRITICAL_SECTION section_;
  // Shared with the loader's thread, under the lock.
  std::deque<std::wstring> waiting_;
  std::deque<Answer> answers_;
  std::vector<IUnknown*> handed_back_;
  bool busy_ = false, stopping_ = false;
  Owner<HANDLE, CloseHandle> asked_, answered_;  // auto-reset events
  File_Handle thread_;
};

}  // namespace toolkit
