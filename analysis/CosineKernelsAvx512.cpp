#include "CosineKernelLoops.h"

// Compiled with -mavx512f only; called only where the processor and the system support it.
// Four vectors at a time, their instructions interleaved by the compiler's scheduler
// (-fschedule-insns): one cosine is a long chain of dependent steps, and the processor keeps
// its 512-bit units busy only when independent steps stand close together.
constinit const CosineKernels kAvx512CosineKernels = MakeCosineKernels<8, 4>();
