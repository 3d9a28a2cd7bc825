#pragma once
// Waits that wake on input too: the message loop's, and a worker thread's, which takes its messages meanwhile.
#include <windows.h>

#include <vector>

namespace toolkit {

// Every kind of message that wakes a wait, as every Windows from 95 on knows them. Not the headers' QS_ALLINPUT:
// from XP on it takes QS_RAWINPUT in, which 2000 and the 95 family refuse, failing the wait at once. The program
// asks for no raw input, so none is missed.
constexpr DWORD Wake_Mask =
    QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;

// Waits until a handle is signalled, input comes or the time passes: WAIT_OBJECT_0 + the handle's index,
// WAIT_OBJECT_0 + the number of handles for input, WAIT_TIMEOUT, or WAIT_FAILED.
DWORD Wait_For_Input(const std::vector<HANDLE>& handles, DWORD ms);

// Waits until the handle is signalled, taking the thread's messages meanwhile, as a thread must that owns a window
// or a single-threaded apartment: programs that send a message to every window wait for it to be taken. False
// when the wait failed.
bool Wait_Taking_Messages(HANDLE handle);

}  // namespace toolkit
