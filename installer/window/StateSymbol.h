#pragma once

#include <QWidget>

namespace installer {

// Between the two icons: an arrow pointing to the folder, a checkmark once installed.
class StateSymbol : public QWidget
{
    Q_OBJECT

public:
    explicit StateSymbol(QWidget *parent = nullptr);
    void setDone(bool done);
    // As tall as the icons, so that it sits level with their middle.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_done = false;
};

} // namespace installer
