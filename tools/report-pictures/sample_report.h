#pragma once
// A small scan result of every readiness class, with vendors, for the pictures.
#include "match/run_state.h"

namespace ostrevan {

void FillSampleResults(RunState& st);

}  // namespace ostrevan
