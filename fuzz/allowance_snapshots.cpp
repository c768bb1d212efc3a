// The stored snapshots of every provider's last figures.
#include "FuzzInput.h"

#include "core/AllowanceStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    quelta::allowanceStore::snapshotsFromData(fuzz::bytes(data, size), fuzz::now());
    return 0;
}
