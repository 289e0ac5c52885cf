#include "host/MaxHeapOperators.h"

#include <cstdlib>

void* MaxHeapOperators::operator new(std::size_t size) noexcept {
    return std::malloc(size == 0 ? 1 : size);
}
void* MaxHeapOperators::operator new[](std::size_t size) noexcept {
    return std::malloc(size == 0 ? 1 : size);
}
void MaxHeapOperators::operator delete(void* p) noexcept {
    std::free(p);
}
void MaxHeapOperators::operator delete[](void* p) noexcept {
    std::free(p);
}
