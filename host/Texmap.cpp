#include "host/Texmap.h"

float Texmap::EvalMono(ShadeContext& sc) {
    const AColor c = EvalColor(sc);
    return (c.r + c.g + c.b) / 3.0f;
}
