#include "host/BitmapCache.h"

#include <cstdint>

BitmapCache& BitmapCache::Get() {
    // Never destroyed: shading threads may outlive static destruction, and
    // the image library's teardown of a texture system frees it with a
    // mismatched size. The process's end releases it.
    static BitmapCache* cache = new BitmapCache();
    return *cache;
}

BitmapCache::BitmapCache() : system(OIIO::TextureSystem::create(false)) {
    // Plain scanline images (PNG, JPEG, ...) are cut into tiles, so that
    // memory is bounded by tiles rather than whole images, and get their MIP
    // levels made as the filters ask for them.
    system->attribute("autotile", 64);
    system->attribute("automip", 1);
    system->attribute("max_memory_MB", kDefaultMemoryLimitMB);
}

OIIO::TextureSystem::Perthread* BitmapCache::ThreadInfo() {
    // The image library keeps one per thread and frees it when the thread
    // ends; remembering it here spares the lookup on every sample.
    thread_local OIIO::TextureSystem::Perthread* info = system->get_perthread_info();
    return info;
}

void BitmapCache::SetMemoryLimitMB(float limit) {
    system->attribute("max_memory_MB", limit);
}

float BitmapCache::MemoryLimitMB() const {
    float limit = 0.0f;
    system->getattribute("max_memory_MB", limit);
    return limit;
}

std::size_t BitmapCache::MemoryUsed() const {
    std::int64_t used = 0;
    system->getattribute("stat:cache_memory_used", OIIO::TypeDesc::INT64, &used);
    return used > 0 ? static_cast<std::size_t>(used) : 0;
}
