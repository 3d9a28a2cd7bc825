#include "toolkit/system/picture_loader.h"

namespace toolkit {

class Picture_Loader::Load_Job : public Worker_Job {
 public:
  Load_Job(Picture_Loader& loader, std::wstring path) : loader_(loader), path_(std::move(path)) {}
  void Run() noexcept override {
    answer_.Picture = Decode_File(path_, loader_.dpi_, Lending::Copy, loader_.shown_);
    answer_.Loaded = answer_.Picture.has_value();
    if (answer_.Loaded)
      loader_.last_loaded_.swap(path_);
    else if (loader_.failure_ == On_Failure::Repeat_Last && !loader_.last_loaded_.empty())
      answer_.Picture = Decode_File(loader_.last_loaded_, loader_.dpi_, Lending::Copy, loader_.shown_);
  }
  Answer Result() { return std::move(answer_); }

 private:
  Picture_Loader& loader_;
  std::wstring path_;
  Answer answer_;
};

Picture_Loader::Picture_Loader(const Shown_Size* shown, On_Failure failure)
    : shown_(shown), failure_(failure), dpi_(Screen_Dpi()) {
  Prepare_Decoding();
}

void Picture_Loader::Request(std::wstring path) { worker_.Post(std::make_unique<Load_Job>(*this, std::move(path))); }

std::optional<Picture_Loader::Answer> Picture_Loader::Take() {
  const std::unique_ptr<Worker_Job> done = worker_.Take();
  if (!done) return std::nullopt;
  return static_cast<Load_Job&>(*done).Result();
}

}  // namespace toolkit
