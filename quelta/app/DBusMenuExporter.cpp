#include "DBusMenuExporter.h"

#include "DBusMenuAdaptor.h"

#include <QAction>
#include <QActionEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>

namespace quelta {

namespace {

constexpr int rootId = 0;

// Qt marks a mnemonic with "&" and escapes it as "&&"; the menu protocol uses "_" and "__".
QString menuLabel(const QString &text)
{
    QString label;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text[at];
        if (character == u'_') {
            label += QStringLiteral("__");
        } else if (character == u'&' && at + 1 < text.size()) {
            ++at;
            label += text[at] == u'&' ? QStringLiteral("&") : QStringLiteral("_") + text[at];
        } else {
            label += character;
        }
    }
    return label;
}

// "Ctrl+Q" as [["Control", "q"]]: modifier names, then the key, for each chord.
DBusMenuShortcut shortcutOf(const QKeySequence &sequence)
{
    DBusMenuShortcut chords;
    for (int index = 0; index < sequence.count(); ++index) {
        const QKeyCombination combination = sequence[index];
        QStringList keys;
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        if (modifiers & Qt::ControlModifier)
            keys << QStringLiteral("Control");
        if (modifiers & Qt::AltModifier)
            keys << QStringLiteral("Alt");
        if (modifiers & Qt::ShiftModifier)
            keys << QStringLiteral("Shift");
        if (modifiers & Qt::MetaModifier)
            keys << QStringLiteral("Super");
        keys << QKeySequence(combination.key()).toString(QKeySequence::PortableText).toLower();
        chords << keys;
    }
    return chords;
}

// Every property an entry may have besides its type, for telling the host which ones went away.
const QStringList optionalProperties{QStringLiteral("label"), QStringLiteral("enabled"), QStringLiteral("visible"), QStringLiteral("shortcut")};

} // namespace

DBusMenuExporter::DBusMenuExporter(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    registerDBusMenuTypes();
    new DBusMenuAdaptor(this);
    menu->installEventFilter(this);
}

QString DBusMenuExporter::textDirection() const
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
}

QAction *DBusMenuExporter::actionOf(int id) const
{
    if (!m_menu || id <= rootId || id > m_menu->actions().size())
        return nullptr;
    return m_menu->actions().at(id - 1);
}

int DBusMenuExporter::idOf(const QAction *action) const
{
    return m_menu ? int(m_menu->actions().indexOf(action)) + 1 : rootId;
}

bool DBusMenuExporter::isKnown(int id) const
{
    return id == rootId || actionOf(id);
}

QVariantMap DBusMenuExporter::propertiesOf(int id, const QStringList &names) const
{
    QVariantMap properties;
    const QAction *action = actionOf(id);
    if (!action) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (action->isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        properties.insert(QStringLiteral("label"), menuLabel(action->text()));
        if (!action->shortcut().isEmpty())
            properties.insert(QStringLiteral("shortcut"), QVariant::fromValue(shortcutOf(action->shortcut())));
    }
    // Defaults (enabled, visible) are left out, as the protocol asks.
    if (action && !action->isEnabled())
        properties.insert(QStringLiteral("enabled"), false);
    if (action && !action->isVisible())
        properties.insert(QStringLiteral("visible"), false);
    if (!names.isEmpty())
        properties.removeIf([&names](const auto &entry) { return !names.contains(entry.key()); });
    return properties;
}

void DBusMenuExporter::refuseUnknown(int id)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no menu entry %1").arg(id));
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayoutItem &layout)
{
    if (!isKnown(parentId)) {
        refuseUnknown(parentId);
        return m_revision;
    }
    layout.id = parentId;
    layout.properties = propertiesOf(parentId, propertyNames);
    if (parentId == rootId && recursionDepth != 0 && m_menu) {
        for (int id = 1; id <= m_menu->actions().size(); ++id)
            layout.children.append({id, propertiesOf(id, propertyNames), {}});
    }
    return m_revision;
}

DBusMenuItems DBusMenuExporter::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    DBusMenuItems items;
    for (int id : ids) {
        if (isKnown(id))
            items.append({id, propertiesOf(id, propertyNames)});
    }
    return items;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString &name)
{
    if (!isKnown(id)) {
        refuseUnknown(id);
        return QDBusVariant(QString());
    }
    const QVariant value = propertiesOf(id, {name}).value(name);
    if (!value.isValid() && calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("entry %1 has no property %2").arg(id).arg(name));
    return QDBusVariant(value.isValid() ? value : QVariant(QString()));
}

void DBusMenuExporter::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (!isKnown(id)) {
        refuseUnknown(id);
        return;
    }
    QAction *action = actionOf(id);
    if (!action || eventId != QLatin1String("clicked"))
        return;
    // After the answer: the action may quit the application or open a window.
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
}

QList<int> DBusMenuExporter::EventGroup(const DBusMenuEvents &events)
{
    QList<int> unknown;
    for (const DBusMenuEvent &event : events) {
        if (isKnown(event.id))
            Event(event.id, event.eventId, event.data, event.timestamp);
        else
            unknown.append(event.id);
    }
    return unknown;
}

bool DBusMenuExporter::AboutToShow(int)
{
    // The entries are always up to date.
    return false;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    for (int id : ids) {
        if (!isKnown(id))
            idErrors.append(id);
    }
    return {};
}

bool DBusMenuExporter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
        // The ids follow the actions' places: the whole layout changes.
        Q_EMIT LayoutUpdated(++m_revision, rootId);
        break;
    case QEvent::ActionChanged: {
        const int id = idOf(static_cast<QActionEvent *>(event)->action());
        const QVariantMap properties = propertiesOf(id, {});
        QStringList gone = optionalProperties;
        gone.removeIf([&properties](const QString &name) { return properties.contains(name); });
        Q_EMIT ItemsPropertiesUpdated({{id, properties}}, {{id, gone}});
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quelta
