// GoogleTest's hook for platform customisation, taking the place of its
// empty default in the Windows builds. GoogleTest's Notification needs
// std::mutex and std::condition_variable, which the win32 thread model of
// MinGW's GCC 12 lacks; this one waits on a Windows event instead.
#ifndef GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
#define GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
  public:
    Notification() : event(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event); }
    void WaitForNotification() { WaitForSingleObject(event, INFINITE); }

  private:
    HANDLE event;
};

} // namespace internal
} // namespace testing

#endif
