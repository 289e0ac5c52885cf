#pragma once

// The shell's way of opening a document or an address with the program the
// user chose for it. On Windows it is the system's own; elsewhere the host
// records what it was asked, for the tests, and opens nothing.
#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#if defined(_WIN32)
#include <shellapi.h>
#include <windows.h>
#else
#include <optional>
#include <string>
#include <vector>

// Answers a value above 32 when the shell started the program, an error code
// of 32 or less when it did not.
HOST_API HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                 LPCSTR directory, INT showCmd);

// One call of ShellExecuteA, with its strings copied; an absent string (a
// null argument) has no value.
struct ShellExecuteCall {
    HWND hwnd;
    std::optional<std::string> operation;
    std::optional<std::string> file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    INT showCmd;
};
// The calls so far, oldest first.
HOST_API std::vector<ShellExecuteCall> ShellExecuteCalls();
// Forgets the calls and makes later calls succeed again.
HOST_API void ResetShellExecute();
// What the following calls answer, for instance 31 when no program is
// associated with the file; 42 until told otherwise.
HOST_API void SetShellExecuteResult(INT_PTR result);
#endif
