#pragma once

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <optional>

class QVariantAnimation;

namespace installer {

class InstallerModel;

// An icon of the install row: the app, which the user drags, or the applications folder, which
// takes the drop, a click, Return, Space or Enter, and its accessibility press. Disabled icons are
// drawn at half opacity and take nothing.
class DragIconView : public QWidget
{
    Q_OBJECT

public:
    enum class Role { source, target };

    DragIconView(QIcon image, Role role, InstallerModel *model, QWidget *parent = nullptr);

    Role role() const { return m_role; }
    QSize sizeHint() const override;
    // The accessibility press: installs from the target, does nothing on the source.
    void press();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void startDrag();

    QIcon m_image;
    Role m_role;
    QPointer<InstallerModel> m_model;
    std::optional<QPoint> m_press;
    QVariantAnimation *m_opacity;
};

} // namespace installer
