#include "CosineKernelLoops.h"

// Compiled with -mavx2 only; called only where the processor has AVX2.
constinit const CosineKernels kAvx2CosineKernels = MakeCosineKernels<4, 2>();
