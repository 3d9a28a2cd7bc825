#include "toolkit/system/wait.h"

#include "toolkit/system/system_text.h"

namespace toolkit {

DWORD Wait_For_Input(const std::vector<HANDLE>& handles, DWORD ms) {
  return MsgWaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, ms, Wake_Mask);
}

bool Wait_Taking_Messages(HANDLE handle) {
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, Wake_Mask);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    while (Peek_Message(msg)) Dispatch_Message(msg);
  }
}

}  // namespace toolkit
