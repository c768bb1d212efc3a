#pragma once

#include "ui/widgets/StyledButton.h"

class QLabel;

namespace quelta {

class Spinner;

// The popover's footer buttons: a symbol, optionally a text beside it or a spinner in the
// symbol's place, over a rounded rectangle that shows hover and press. The text is a label
// inside the button, so that screen readers read it as what the button shows.
class FooterButton final : public StyledButton
{
    Q_OBJECT
public:
    FooterButton(const QString &symbol, qreal symbolSize, QWidget *parent = nullptr);

    // The text beside the symbol.
    void setLabel(const QString &text);
    const QLabel *label() const { return m_label; }
    // Shows a spinner in the symbol's place.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

    QSize sizeHint() const override;
    // The symbol's and the text's colour, as hover fades it in and out.
    QColor labelColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeLabel();

    QString m_symbol;
    qreal m_symbolSize;
    bool m_busy = false;
    Spinner *m_spinner;
    QLabel *m_label;
};

} // namespace quelta
