#include "CosineKernelLoops.h"

// Two lanes: SSE2 registers on x86-64, and what the compiler makes of them elsewhere.
constinit const CosineKernels kPortableCosineKernels = MakeCosineKernels<2, 2>();
