#pragma once
// Picture files read and decoded on the worker, one at a time in the order asked, so that the window thread goes on
// handling input meanwhile; the answers are pixels (Decoded_Picture), never a system object.
#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/system/picture.h"
#include "toolkit/system/worker.h"

namespace toolkit {

class Picture_Loader {
 public:
  // Repeating, a file that cannot be loaded is answered with the last picture that was, read again: then nobody
  // need hold a picture while the next is read.
  enum class On_Failure { Nothing, Repeat_Last };
  // The pictures are read for the size shown, where it is given; it lasts as long as the loader.
  explicit Picture_Loader(const Shown_Size* shown = nullptr, On_Failure failure = On_Failure::Nothing);

  // Asks for a file, after those already asked for.
  void Request(std::wstring path);
  // Forgets the requests that have not started.
  void Drop_Waiting() { worker_.Drop_Waiting(); }
  // The requests asked and not yet answered, or answered and not yet taken.
  std::size_t Outstanding() const { return worker_.Outstanding(); }
  // The answer to the oldest request, once it is there: the picture, or for a file that could not be loaded nothing,
  // or the last picture loaded again.
  struct Answer {
    std::optional<Decoded_Picture> Picture;
    bool Loaded = false;  // the picture asked for
  };
  std::optional<Answer> Take();
  // Signalled at each answer; for the message loop to wait on.
  HANDLE Answer_Event() const { return worker_.Done_Event(); }

 private:
  class Load_Job;
  const Shown_Size* const shown_;
  const On_Failure failure_;
  // Read once, on the window thread: the worker asks no cache of the platform.
  const Dots_Per_Inch dpi_;
  // The worker's own: the last file it could load.
  std::wstring last_loaded_;
  // Last, so that its thread ends before what its jobs use goes.
  Worker worker_;
};

}  // namespace toolkit
