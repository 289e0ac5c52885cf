#include "host/StringResources.h"

#if !defined(_WIN32)
#include <cstring>

#include <dlfcn.h>

int LoadStringA(HINSTANCE module, UINT id, char* buffer, int bufferMax) {
    if (!module || !buffer || bufferMax <= 0) {
        return 0;
    }
    const auto* table =
        static_cast<const HostResourceTable*>(dlsym(module, HOST_RESOURCE_TABLE_SYMBOL));
    if (!table) {
        return 0;
    }
    for (int i = 0; i < table->count; ++i) {
        if (table->strings[i].id == id) {
            const std::size_t length = std::strlen(table->strings[i].text);
            const std::size_t copied =
                length < static_cast<std::size_t>(bufferMax) ? length : bufferMax - 1;
            std::memcpy(buffer, table->strings[i].text, copied);
            buffer[copied] = '\0';
            return static_cast<int>(copied);
        }
    }
    return 0;
}
#endif
