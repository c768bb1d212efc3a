#include "AllowanceBar.h"

#include "artwork/DesignColors.h"
#include "commands/AllowancePresentation.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>

namespace quelta {

namespace {

class AccessibleAllowanceBar final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleAllowanceBar(AllowanceBar *bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return static_cast<const AllowanceBar *>(widget())->shownPercentage(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *accessibleAllowanceBar(const QString &className, QObject *object)
{
    if (className == QLatin1String(AllowanceBar::staticMetaObject.className()))
        return new AccessibleAllowanceBar(static_cast<AllowanceBar *>(object));
    return nullptr;
}

} // namespace

AllowanceBar::AllowanceBar(int barHeight, QWidget *parent)
    : QWidget(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleAllowanceBar);
        return true;
    }();
    Q_UNUSED(accessible);
    setFixedHeight(barHeight);
    setAccessibleName(barAccessibleText(m_value, m_style));
}

int AllowanceBar::shownPercentage() const
{
    return qRound(barFillFraction(m_value) * 100);
}

void AllowanceBar::setValue(std::optional<int> value, AllowancePercentageStyle style)
{
    if (m_value == value && m_style == style)
        return;
    m_value = value;
    m_style = style;
    setAccessibleName(barAccessibleText(value, style));
    QAccessibleValueChangeEvent changed(this, shownPercentage());
    QAccessible::updateAccessibility(&changed);
    update();
}

qreal AllowanceBar::fillWidth() const
{
    return width() * barFillFraction(m_value);
}

QColor AllowanceBar::fillColor() const
{
    switch (barTone(m_value.value_or(0), m_style)) {
    case BarTone::red:
        return designColors::systemRed(palette());
    case BarTone::orange:
        return designColors::systemOrange(palette());
    case BarTone::primary:
        break;
    }
    return designColors::withOpacity(designColors::primary(palette()), 0.82);
}

void AllowanceBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = height() / 2.0;
    QPainterPath track;
    track.addRoundedRect(QRectF(rect()), radius, radius);
    painter.fillPath(track, designColors::withOpacity(designColors::primary(palette()), 0.1));
    if (!m_value || fillWidth() <= 0)
        return;
    QPainterPath fill;
    fill.addRoundedRect(QRectF(0, 0, fillWidth(), height()), radius, radius);
    painter.fillPath(fill, fillColor());
}

} // namespace quelta
