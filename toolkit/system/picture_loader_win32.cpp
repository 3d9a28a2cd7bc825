#include "toolkit/system/picture_loader.h"

#include <objbase.h>
#include <process.h>

#include "toolkit/portable/run_error.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

Picture_Loader::Picture_Loader(Finish finish, On_Failure failure, Pixels pixels)
    : finish_(finish),
      failure_(failure),
      lender_(pixels == Pixels::Lent ? Lender([this](IPicture* decoded) {
        return std::shared_ptr<void>(decoded, [this](void* lent) { Hand_Back(static_cast<IPicture*>(lent)); });
      })
                                     : Lender()),
      dpi_(Screen_Dpi()),
      asked_(Create_Event()),
      answered_(Create_Event()) {
  InitializeCriticalSection(&section_);
  // The family is asked once, here on the window thread, before the loader's thread opens files by it.
  Nt_Family();
}

Picture_Loader::~Picture_Loader() {
  {
    const Lock lock(section_);
    stopping_ = true;
    waiting_.clear();
  }
  if (thread_) {
    SetEvent(asked_.Get());
    WaitForSingleObject(thread_.Get(), INFINITE);  // a decode under way ends first
  }
  answers_.clear();  // their lent bitmaps come back here
  Let_Go_Of_Handed_Back();
  DeleteCriticalSection(&section_);
}

void Picture_Loader::Request(std::wstring path) {
  {
    const Lock lock(section_);
    waiting_.push_back(std::move(path));
  }
  if (!thread_) {
    thread_.Reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Picture_Loader::Thread_Main, this, 0, nullptr)));
    if (!thread_) throw Run_Error(Error_Kind::Invalid_Call, "Cannot start the loader");
  }
  SetEvent(asked_.Get());
}

void Picture_Loader::Drop_Waiting() {
  const Lock lock(section_);
  waiting_.clear();
}

std::size_t Picture_Loader::Outstanding() const {
  const Lock lock(section_);
  return waiting_.size() + answers_.size() + (busy_ ? 1 : 0);
}

std::optional<Picture_Loader::Answer> Picture_Loader::Take() {
  const Lock lock(section_);
  std::optional<Answer> answer;
  if (answers_.empty()) return answer;
  answer.emplace(std::move(answers_.front()));
  answers_.pop_front();
  return answer;
}

void Picture_Loader::Hand_Back(IUnknown* decoded) {
  {
    const Lock lock(section_);
    handed_back_.push_back(decoded);
  }
  SetEvent(asked_.Get());
}

void Picture_Loader::Let_Go_Of_Handed_Back() {
  std::vector<IUnknown*> done;
  {
    const Lock lock(section_);
    done.swap(handed_back_);
  }
  for (IUnknown* decoded : done) decoded->Release();
}

unsigned __stdcall Picture_Loader::Thread_Main(void* self) {
  // The system's decoders are COM objects.
  CoInitialize(nullptr);
  try {
    static_cast<Picture_Loader*>(self)->Serve();
  } catch (...) {
    // Memory for an answer could not be had: the thread ends, and the loader answers no more.
  }
  CoUninitialize();
  return 0;
}

// Raises nothing: the decode and the finish do not, and the queues' memory was had by the window thread.
void Picture_Loader::Serve() {
  for (;;) {
    Let_Go_Of_Handed_Back();
    std::optional<std::wstring> path;
    {
      const Lock lock(section_);
      if (stopping_) return;
      if (!waiting_.empty()) {
        path = std::move(waiting_.front());
        waiting_.pop_front();
        busy_ = true;
      }
    }
    if (!path) {
      WaitForSingleObject(asked_.Get(), INFINITE);
      continue;
    }
    Answer answer{Decode_File(*path, dpi_, lender_)};
    answer.Loaded = answer.Picture.has_value();
    if (answer.Loaded)
      last_loaded_ = std::move(*path);
    else if (failure_ == On_Failure::Repeat_Last && !last_loaded_.empty())
      answer.Picture = Decode_File(last_loaded_, dpi_, lender_);
    if (answer.Picture && finish_) finish_(*answer.Picture);
    {
      const Lock lock(section_);
      busy_ = false;
      if (stopping_) return;
      answers_.push_back(std::move(answer));
    }
    SetEvent(answered_.Get());
  }
}

}  // namespace toolkit
