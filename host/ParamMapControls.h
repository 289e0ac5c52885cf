#pragma once

// How an automatic rollout shows its parameters on Windows: the edit field
// tied to a spinner parameter holds its value as text, and of a radio
// parameter's buttons the one of its value is checked. (Elsewhere rollouts
// have no controls.)
#include "host/ParamType.h"
#include "host/TimeValue.h"
#include "host/WindowsTypes.h"

#if defined(_WIN32)
class IParamBlock2;
class ParamBlockDesc2;

// Shows parameter id of block at t in rollout, or every parameter for -1.
void ShowParamValues(HWND rollout, const ParamBlockDesc2& desc, IParamBlock2& block, TimeValue t,
                     ParamID id = -1);
#endif
