#pragma once
// Work of one step: a call made once the message loop has taken the messages pending when it was started (the
// paint of what a handler just changed among them).
#include <functional>

#include "toolkit/controls/app.h"

namespace toolkit {

class Deferred_Call : public Stepped_Work {
 public:
  explicit Deferred_Call(std::function<void()> call) : call_(std::move(call)) {}
  Next_Step Step() override {
    call_();
    return Next_Step::Done();
  }

 private:
  std::function<void()> call_;
};

}  // namespace toolkit
