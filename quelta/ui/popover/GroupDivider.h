#pragma once

#include <QWidget>

namespace quelta {

// A hairline between the rows of two providers, where one of them shows several accounts.
class GroupDivider final : public QWidget
{
    Q_OBJECT
public:
    explicit GroupDivider(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quelta
