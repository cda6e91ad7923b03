// libFuzzer calls this once before the first input.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startQt();
    return 0;
}
