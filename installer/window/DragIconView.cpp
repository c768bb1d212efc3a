#include "DragIconView.h"

#include "InstallerModel.h"
#include "InstallerStyle.h"
#include "engine/InstallQuelta.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

namespace installer {

namespace {

// The folder is a button whose press installs; the app icon is a picture to drag.
class DragIconAccessible : public QAccessibleWidget
{
public:
    explicit DragIconAccessible(DragIconView *view)
        : QAccessibleWidget(view, view->role() == DragIconView::Role::target ? QAccessible::Button : QAccessible::Graphic)
    {
    }
    QStringList actionNames() const override
    {
        return view()->role() == DragIconView::Role::target ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            view()->press();
    }

private:
    DragIconView *view() const { return static_cast<DragIconView *>(widget()); }
};

QAccessibleInterface *accessibleDragIcon(const QString &, QObject *object)
{
    auto *view = qobject_cast<DragIconView *>(object);
    return view ? new DragIconAccessible(view) : nullptr;
}

} // namespace

DragIconView::DragIconView(QIcon image, Role role, InstallerModel *model, QWidget *parent)
    : QWidget(parent)
    , m_image(std::move(image))
    , m_role(role)
    , m_model(model)
    , m_opacity(new QVariantAnimation(this))
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleDragIcon), true);
    Q_UNUSED(factoryInstalled);

    setFixedSize(sizeHint());
    setAcceptDrops(role == Role::target);
    setFocusPolicy(role == Role::target ? Qt::StrongFocus : Qt::NoFocus);
    if (role == Role::source) {
        setAccessibleName(InstallQuelta::tr("Quelta app"));
        setAccessibleDescription(InstallQuelta::tr("Drag to Applications to install."));
    } else {
        setAccessibleName(InstallQuelta::tr("Install Quelta in Applications"));
        setAccessibleDescription(InstallQuelta::tr("Drop Quelta here, or press to install."));
    }
    m_opacity->setStartValue(1.0);
    m_opacity->setEndValue(1.0);
    m_opacity->setEasingCurve(style::easeOut());
    connect(m_opacity, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize DragIconView::sizeHint() const
{
    return {style::iconSize, style::iconSize};
}

void DragIconView::press()
{
    if (m_role == Role::target && isEnabled() && m_model)
        m_model->install();
}

void DragIconView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = rect();
    QPainterPath ring;
    ring.addRoundedRect(bounds.adjusted(1.5, 1.5, -1.5, -1.5), style::focusRadius, style::focusRadius);
    painter.setOpacity(m_opacity->currentValue().toDouble());
    const QRect image = rect().adjusted(style::iconInset, style::iconInset, -style::iconInset, -style::iconInset);
    m_image.paint(&painter, image);
    painter.setOpacity(1.0);

    if (m_role == Role::target && m_model && m_model->targeted()) {
        painter.fillPath(ring, style::white(0.14));
        painter.strokePath(ring, QPen(style::white(0.9), 2.5));
    } else if (hasFocus()) {
        painter.strokePath(ring, QPen(style::accentColor(), 2.5));
    }
}

void DragIconView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    const qreal target = isEnabled() ? 1.0 : style::disabledOpacity;
    m_press.reset();
    if (m_role == Role::target)
        setFocusPolicy(isEnabled() ? Qt::StrongFocus : Qt::NoFocus);
    m_opacity->stop();
    m_opacity->setStartValue(m_opacity->currentValue());
    m_opacity->setEndValue(target);
    m_opacity->setDuration(style::reduceMotion() ? 0 : style::changeMilliseconds);
    m_opacity->start();
}

void DragIconView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (m_role == Role::source)
        m_press = event->position().toPoint();
    else
        press();
}

void DragIconView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_press || !m_model)
        return;
    if ((event->position().toPoint() - *m_press).manhattanLength() < QApplication::startDragDistance())
        return;
    m_press.reset();
    startDrag();
}

void DragIconView::mouseReleaseEvent(QMouseEvent *)
{
    m_press.reset();
}

void DragIconView::startDrag()
{
    auto *data = new QMimeData;
    data->setData(InstallerModel::dragType(), m_model->dragToken().toUtf8());
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(m_image.pixmap(size(), devicePixelRatioF()));
    drag->setHotSpot(rect().center());
    drag->exec(Qt::CopyAction);
}

void DragIconView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        press();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DragIconView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void DragIconView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void DragIconView::dragEnterEvent(QDragEnterEvent *event)
{
    const bool matches = m_model && m_model->matchesDrag(event->mimeData());
    if (m_model)
        m_model->setTargeted(matches);
    event->setAccepted(matches);
    if (matches)
        event->setDropAction(Qt::CopyAction);
}

void DragIconView::dragMoveEvent(QDragMoveEvent *event)
{
    const bool matches = m_model && m_model->matchesDrag(event->mimeData());
    event->setAccepted(matches);
    if (matches)
        event->setDropAction(Qt::CopyAction);
}

void DragIconView::dragLeaveEvent(QDragLeaveEvent *)
{
    if (m_model)
        m_model->setTargeted(false);
}

void DragIconView::dropEvent(QDropEvent *event)
{
    if (!m_model)
        return event->ignore();
    m_model->setTargeted(false);
    if (!isEnabled() || !m_model->matchesDrag(event->mimeData()))
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    m_model->install();
}

} // namespace installer
