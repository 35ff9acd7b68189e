#include "CosineKernelLoops.h"

// Compiled with -mavx512f only; called only where the processor and the system support it.
constinit const CosineKernels kAvx512CosineKernels = MakeCosineKernels<8, 2>();
