#pragma once

#include <QAbstractButton>

namespace installer {

// The window's two kinds of button: an underlined plain text ("Try again") and a white capsule
// ("Open Quelta") that dims while pressed.
class TextButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Kind { link, capsule };

    TextButton(const QString &text, Kind kind, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
};

} // namespace installer
