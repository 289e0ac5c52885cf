#pragma once

#include <cstdlib>

// A growable list of pointers that an object built at compile time can hold:
// class descriptors are static objects of their libraries, and a list with a
// constant initial state keeps them ready before any code of the library runs.
template <typename T>
class PointerList {
  public:
    constexpr PointerList() = default;
    ~PointerList() { std::free(items); }
    PointerList(const PointerList&) = delete;
    PointerList& operator=(const PointerList&) = delete;

    int size() const { return count; }
    T* operator[](int i) const { return items[i]; }
    T** begin() const { return items; }
    T** end() const { return items + count; }
    bool hasStorage() const { return items != nullptr; }

    bool contains(const T* item) const {
        for (int i = 0; i < count; ++i) {
            if (items[i] == item) {
                return true;
            }
        }
        return false;
    }
    bool push(T* item) {
        if (count == capacity) {
            const int grown = capacity ? 2 * capacity : 4;
            void* more = std::realloc(items, sizeof(T*) * static_cast<std::size_t>(grown));
            if (!more) {
                return false;
            }
            items = static_cast<T**>(more);
            capacity = grown;
        }
        items[count++] = item;
        return true;
    }
    void remove(const T* item) {
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            if (items[i] != item) {
                items[kept++] = items[i];
            }
        }
        count = kept;
    }
    // Empties the list and keeps its storage.
    void clear() { count = 0; }

  private:
    T** items = nullptr;
    int count = 0;
    int capacity = 0;
};
