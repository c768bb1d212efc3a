#include "AlertBox.h"

#include <QTextDocument>

namespace quelta {

QMessageBox *alertBox(const QString &heading, const QString &message, QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, heading, QString(), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<b>%1</b>").arg(heading.toHtmlEscaped()));
    // The message box shows its informative text in the heading's rich format; the message may
    // hold an update feed's or a provider's words.
    box->setInformativeText(Qt::convertFromPlainText(message));
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

} // namespace quelta
