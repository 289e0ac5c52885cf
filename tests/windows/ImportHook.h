#pragma once

#include <windows.h>

// Points one import of a loaded module at another function for as long as
// the hook lives: the test's way of seeing what the module asks of the system
// without the system doing it.
class ImportHook {
  public:
    // dll and function as the module imports them (dll without regard to
    // case); active() tells whether the import was found.
    ImportHook(HMODULE module, const char* dll, const char* function, void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    bool active() const { return slot != nullptr; }

  private:
    void write(void* value);

    void** slot = nullptr;
    void* original = nullptr;
};
