// Framer's credit answer, as the page script hands it over.
#include "FuzzInput.h"

#include "connectors/framer/FramerCredits.h"
#include "core/ProviderConnectorError.h"

#include <QJsonDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        quelta::framerAllowance(QJsonDocument::fromJson(fuzz::bytes(data, size)).object(), fuzz::now(), QLocale(QLocale::English));
    } catch (const quelta::ProviderConnectorError &) {
        // The connector's answer to an answer it cannot use.
    }
    return 0;
}
