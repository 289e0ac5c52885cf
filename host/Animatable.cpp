#include "host/Animatable.h"

Animatable::~Animatable() = default;

void Animatable::DeleteThis() {
    delete this;
}

void Animatable::GetClassName(MSTR& s) {
    s = MSTR();
}
