#include "FramerCreditScript.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quelta {

namespace {

// Kept as plain JavaScript so that it reads as what runs in the page.
constexpr const char *scriptTemplate = R"js(
const preferredTeamID = arguments[0];
const apiHost = API_HOST[0];
const controller = new AbortController();
const timer = setTimeout(() => controller.abort(), 8000);
try {
  const idPattern = /^[0-9a-f-]{36}$/i;
  const candidates = [];
  const add = value => {
    if (typeof value === 'string' && idPattern.test(value) && !candidates.includes(value))
      candidates.push(value);
  };
  const addQueryOf = href => {
    let url;
    try { url = new URL(href, location.href); } catch (error) { return; }
    add(url.searchParams.get('teamId'));
    add(url.searchParams.get('team'));
  };
  addQueryOf(location.href);
  const escapedHost = apiHost.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  const resourcePattern = new RegExp(escapedHost + '/(?:web/)?(?:account/)?teams/([0-9a-f-]{36})', 'i');
  for (const entry of performance.getEntriesByType('resource')) {
    const match = resourcePattern.exec(entry.name);
    if (match) add(match[1]);
  }
  for (const link of document.querySelectorAll('a[href], area[href], link[href]'))
    addQueryOf(link.getAttribute('href'));
  add(preferredTeamID);
  if (candidates.length === 0) return { waiting: true };

  let authenticationFailed = false;
  for (const teamID of candidates) {
    const response = await fetch('https://' + apiHost + '/web/teams/' + teamID + '/ai-credits', {
      credentials: 'include', signal: controller.signal, cache: 'no-store', redirect: 'error',
    });
    if (response.status === 429) return { rateLimited: true };
    if (response.status === 401) { authenticationFailed = true; continue; }
    if (!response.ok) continue;
    const body = await response.json();
    return { teamID, availableCredits: body.availableCredits, funds: body.funds ?? [] };
  }
  return authenticationFailed ? { connectionRequired: true } : { waiting: true };
} finally {
  clearTimeout(timer);
}
)js";

} // namespace

QString framerCreditScript(const QString &apiHost)
{
    // A one-element JSON array is a safe JavaScript literal for any host text.
    const QString hostLiteral = QString::fromUtf8(QJsonDocument(QJsonArray{apiHost}).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(scriptTemplate).replace(QStringLiteral("API_HOST"), hostLiteral);
}

} // namespace quelta
