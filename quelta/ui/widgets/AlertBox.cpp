#include "AlertBox.h"

namespace quelta {

QMessageBox *alertBox(const QString &heading, const QString &message, QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, heading, QString(), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<b>%1</b>").arg(heading.toHtmlEscaped()));
    box->setInformativeText(message);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

} // namespace quelta
