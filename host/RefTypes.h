#pragma once

#include "host/WindowsTypes.h"

class ReferenceTarget;
class ReferenceMaker;

using RefTargetHandle = ReferenceTarget*;
using RefMakerHandle = ReferenceMaker*;

// What a change notification answers.
using RefResult = int;
constexpr RefResult REF_FAIL = 0;
constexpr RefResult REF_SUCCEED = 1;
constexpr RefResult REF_DONTCARE = 2;
constexpr RefResult REF_STOP = 3;

// What a change notification says.
using RefMessage = unsigned int;
// The target's state changed; handed on to the dependents of every dependent that succeeds.
constexpr RefMessage REFMSG_CHANGE = 0x50;
// The target is being deleted; its references are cleared right after.
constexpr RefMessage REFMSG_TARGET_DELETED = 0x10;

// Which part of the target changed.
using PartID = UINT_PTR;
constexpr PartID PART_ALL = ~PartID(0);
