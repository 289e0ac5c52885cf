#include "host/MaxHeapOperators.h"

#include "host/HostHeap.h"

#include <atomic>
#include <cstdlib>

namespace {

std::atomic<int> allocationsToSkip{0};
std::atomic<int> allocationsToFail{0};
std::atomic<int> refused{0};

void* allocate(std::size_t size) {
    if (allocationsToFail.load(std::memory_order_relaxed) > 0) {
        if (allocationsToSkip.load(std::memory_order_relaxed) > 0) {
            --allocationsToSkip;
        } else {
            --allocationsToFail;
            ++refused;
            return nullptr;
        }
    }
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

void FailHostAllocations(int count, int skip) {
    allocationsToSkip = skip;
    allocationsToFail = count;
}

int RefusedHostAllocations() {
    return refused;
}

void* MaxHeapOperators::operator new(std::size_t size) noexcept {
    return allocate(size);
}
void* MaxHeapOperators::operator new[](std::size_t size) noexcept {
    return allocate(size);
}
void MaxHeapOperators::operator delete(void* p) noexcept {
    std::free(p);
}
void MaxHeapOperators::operator delete[](void* p) noexcept {
    std::free(p);
}
