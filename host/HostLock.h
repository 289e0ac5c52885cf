#pragma once

// A lock for the host's own shared state, usable with std::lock_guard: the
// standard mutex, except in the Windows builds, whose compiler runtime (the
// win32 thread model) has none; there it is the system's slim lock.
#if defined(_WIN32)
#include <windows.h>

class HostLock {
  public:
    HostLock() = default;
    HostLock(const HostLock&) = delete;
    HostLock& operator=(const HostLock&) = delete;

    void lock() { AcquireSRWLockExclusive(&srw); }
    void unlock() { ReleaseSRWLockExclusive(&srw); }

  private:
    SRWLOCK srw = SRWLOCK_INIT;
};
#else
#include <mutex>

using HostLock = std::mutex;
#endif
