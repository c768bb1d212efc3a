#pragma once

#include <QString>
#include <QStringView>

namespace quelta {

// `text` as character data of XML-like markup (Pango, notification bodies): & < > " ' become
// entities, so that nothing in it is read as a tag or an entity.
QString markupEscaped(QStringView text);

} // namespace quelta
