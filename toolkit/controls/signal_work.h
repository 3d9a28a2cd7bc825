#pragma once
// Work that waits for a handle's signal (a worker thread's answer), and then takes what came; done once it says so.
#include <functional>

#include "toolkit/controls/app.h"

namespace toolkit {

class Signal_Work : public Stepped_Work {
 public:
  Signal_Work(std::function<HANDLE()> handle, std::function<bool()> take)
      : handle_(std::move(handle)), take_(std::move(take)) {}
  Next_Step Step() override { return take_() ? Next_Step::Done() : Next_Step::On_Signal(); }
  HANDLE Wake_Handle() const override { return handle_(); }

 private:
  std::function<HANDLE()> handle_;
  std::function<bool()> take_;
};

}  // namespace toolkit
