#pragma once

// Counts, on the thread that asks, every allocation and every mutex taken
// while counting is on.
extern thread_local bool counting;
extern thread_local int allocations;
extern thread_local int locks;
bool countsLocks();
