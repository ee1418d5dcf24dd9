#pragma once
// The sounds the generator writes.

#include "Synth.h"

#include <vector>

namespace soundgen {

// LJUD\FRANKR.WAV: the anthem's melody.
Buffer anthem();

struct BirdCall {
    const char* file; // in LJUD\BIRDS
    Buffer (*make)();
};
// The fifteen bird calls of the birds' exercise.
const std::vector<BirdCall>& birdCalls();

} // namespace soundgen
