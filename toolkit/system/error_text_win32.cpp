#include "toolkit/system/error_text.h"

#include <windows.h>

#include "toolkit/portable/run_error.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

std::wstring Error_Text(const std::exception& error) {
  const auto* run = dynamic_cast<const Run_Error*>(&error);
  if (run && run->Kind == Error_Kind::File && run->Code != 0) {
    std::wstring message = System_Error_Text(run->Code);
    if (!message.empty()) return message;
  }
  if (run && run->Kind == Error_Kind::Overflow) return L"オーバーフローしました。";
  if (run && run->Kind == Error_Kind::Type_Mismatch) return L"型が一致しません。";
  if (dynamic_cast<const std::bad_alloc*>(&error)) return L"メモリが不足しています。";
  return From_Ansi(error.what());
}

void Show_Error_Text(HWND owner, const std::exception& error) {
  Message_Box(owner, Error_Text(error), L"Quorvantile", MB_OK);
}

}  // namespace toolkit
