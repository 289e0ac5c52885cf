#include "tests/texmap/CountingAllocator.h"

#include <cstdlib>
#include <new>

#include <dlfcn.h>
#include <pthread.h>

// Counts, on the thread that asks, every allocation and every mutex taken
// while counting is on.
thread_local bool counting = false;
thread_local int allocations = 0;
thread_local int locks = 0;

void* operator new(std::size_t size) {
    if (counting) {
        ++allocations;
    }
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (counting) {
        ++allocations;
    }
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

// ThreadSanitizer takes the mutex functions for itself; there only the
// allocations are counted.
#if defined(__SANITIZE_THREAD__)
bool countsLocks() {
    return false;
}
#else
bool countsLocks() {
    return true;
}

extern "C" int pthread_mutex_lock(pthread_mutex_t* mutex) {
    using Lock = int (*)(pthread_mutex_t*);
    static const Lock next = reinterpret_cast<Lock>(dlsym(RTLD_NEXT, "pthread_mutex_lock"));
    if (counting) {
        ++locks;
    }
    return next(mutex);
}
#endif
