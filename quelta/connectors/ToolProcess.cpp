#include "ToolProcess.h"

#include "ConnectorsLogging.h"
#include "ProcessLaunchError.h"

#include "core/ProviderConnectorError.h"
#include "platform/ProcessRunner.h"

namespace quelta {

QCoro::Task<ToolOutput> runTool(ProcessRequest request, std::stop_token token, Clock &clock)
{
    const QString executable = request.executable;
    const ProcessResult result = co_await runProcess(std::move(request), std::move(token), clock);
    using Ending = ProcessResult::Ending;
    switch (result.ending) {
    case Ending::exited:
        co_return ToolOutput{result.status, result.output};
    case Ending::timedOut:
        qCInfo(lcConnectors) << executable << "did not finish before its deadline";
        throw ProviderConnectorError(ProviderConnectorError::Kind::timedOut);
    case Ending::outputOverLimit:
        qCInfo(lcConnectors) << executable << "wrote more than the output limit";
        throw ProviderConnectorError(ProviderConnectorError::Kind::invalidResponse);
    case Ending::launchFailed:
        qCInfo(lcConnectors) << executable << "could not be started:" << result.launchError;
        throw ProcessLaunchError(result.launchError.toStdString());
    }
    throw ProviderConnectorError(ProviderConnectorError::Kind::processFailed);
}

} // namespace quelta
