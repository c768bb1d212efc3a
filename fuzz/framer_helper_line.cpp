// The Framer helper's output: the fetch answer and the connection window's progress lines.
#include "FuzzInput.h"

#include "connectors/framer/FramerHelperProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray output = fuzz::bytes(data, size);
    quelta::framerHelper::readFetchLine(output);
    for (const QByteArray &line : output.split('\n'))
        quelta::framerHelper::readConnectLine(line);
    return 0;
}
