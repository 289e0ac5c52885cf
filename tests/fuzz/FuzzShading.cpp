// Shading with arbitrary field values and sub-map colours: NaN, infinities,
// denormals, negative and huge numbers. Nothing may be undefined (the
// sanitizers watch), and every colour comes out with components in 0 to 1
// and alpha 1.
#include "tests/shading/ShadingFixtures.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class Bytes {
  public:
    Bytes(const std::uint8_t* d, std::size_t n) : data(d), size(n) {}
    template <typename T>
    T next() {
        T value{};
        const std::size_t take = size < sizeof value ? size : sizeof value;
        std::memcpy(&value, data, take);
        data += take;
        size -= take;
        return value;
    }

  private:
    const std::uint8_t* data;
    std::size_t size;
};

bool inUnitRange(float v) {
    return v >= 0.0f && v <= 1.0f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const int count = in.next<std::uint8_t>() % 9;
    std::vector<ConstantMap*> owned;
    std::vector<Texmap*> table;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t kind = in.next<std::uint8_t>();
        if (kind % 5 == 0) {
            table.push_back(nullptr); // an empty entry
            continue;
        }
        const AColor c(in.next<float>(), in.next<float>(), in.next<float>(), in.next<float>());
        owned.push_back(new ConstantMap(c));
        table.push_back(owned.back());
    }

    FieldsMap map;
    map.setSubMaps(table);
    ColorVariation& v = map.fields.variation;
    for (float* field : {&v.allGamma, &v.allHue, &v.allSat, &v.rndGamma, &v.rndHue, &v.rndSat,
                         &v.occGamma, &v.occHue, &v.occSat}) {
        *field = in.next<float>();
    }
    map.fields.rndBy = in.next<std::int32_t>();
    map.fields.rndSeed = in.next<std::int32_t>();
    map.fields.outsideRender = in.next<std::uint8_t>() & 1;
    map.SetGBufID(in.next<std::uint8_t>());

    FixedNode node(in.next<std::uint32_t>());
    SampleContext sc;
    sc.mtlNum = in.next<std::int32_t>();
    sc.face = in.next<std::int32_t>();
    sc.node = (in.next<std::uint8_t>() & 1) ? &node : nullptr;

    const AColor c = map.EvalColor(sc);
    const float mono = map.EvalMono(sc);
    const Point3 perturb = map.EvalNormalPerturb(sc);
    (void)perturb;
    if (!inUnitRange(c.r) || !inUnitRange(c.g) || !inUnitRange(c.b) || c.a != 1.0f ||
        !inUnitRange(mono)) {
        __builtin_trap();
    }
    for (ConstantMap* m : owned) {
        delete m;
    }
    return 0;
}
