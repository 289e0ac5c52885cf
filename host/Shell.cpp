#include "host/Shell.h"

#if !defined(_WIN32)
namespace {

constexpr INT_PTR kStarted = 42;

struct ShellRecord {
    std::vector<ShellExecuteCall> calls;
    INT_PTR result = kStarted;
};

ShellRecord& record() {
    static ShellRecord r;
    return r;
}

std::optional<std::string> copied(LPCSTR s) {
    return s ? std::optional<std::string>(s) : std::nullopt;
}

} // namespace

HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                        LPCSTR directory, INT showCmd) {
    ShellRecord& r = record();
    r.calls.push_back(ShellExecuteCall{hwnd, copied(operation), copied(file), copied(parameters),
                                       copied(directory), showCmd});
    return reinterpret_cast<HINSTANCE>(r.result);
}

std::vector<ShellExecuteCall> ShellExecuteCalls() {
    return record().calls;
}

void ResetShellExecute() {
    record() = ShellRecord{};
}

void SetShellExecuteResult(INT_PTR result) {
    record().result = result;
}
#endif
