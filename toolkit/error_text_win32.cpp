#include "toolkit/error_text.h"

#include <windows.h>

#include "toolkit/ansi.h"
#include "toolkit/run_error.h"

namespace toolkit {

std::wstring Error_Text(const std::exception& error) {
  const auto* run = dynamic_cast<const Run_Error*>(&error);
  if (run && run->Kind == Error_Kind::File && run->Code != 0) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, run->Code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (n > 0) {
      std::wstring message(text, n);
      LocalFree(text);
      while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
      return message;
    }
  }
  if (run && run->Kind == Error_Kind::Overflow) return L"オーバーフローしました。";
  if (run && run->Kind == Error_Kind::Type_Mismatch) return L"型が一致しません。";
  if (dynamic_cast<const std::bad_alloc*>(&error)) return L"メモリが不足しています。";
  return From_Ansi(error.what());
}

}  // namespace toolkit
