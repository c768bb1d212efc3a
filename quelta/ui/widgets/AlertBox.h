#pragma once

#include <QMessageBox>

namespace quelta {

// A message box that shows its heading above the message inside the dialog, not only in the
// title bar, where many desktops put nothing or something else. It deletes itself when closed.
QMessageBox *alertBox(const QString &heading, const QString &message, QWidget *parent = nullptr);

} // namespace quelta
