#include "FreedMemory.h"

#include <malloc.h>

namespace quelta {

void releaseFreedMemory()
{
    malloc_trim(0);
}

} // namespace quelta
