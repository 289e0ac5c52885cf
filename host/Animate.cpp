#include "host/Animate.h"

namespace {
BOOL animateMode = FALSE;
}

void AnimateOn() {
    animateMode = TRUE;
}
void AnimateOff() {
    animateMode = FALSE;
}
BOOL Animating() {
    return animateMode;
}
