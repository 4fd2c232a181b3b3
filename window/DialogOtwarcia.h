#pragma once

// The real file-open dialog behind OpenDialog1.

#include <QFileDialog>
#include <QString>
#include <memory>

// No filter and no title of its own; a link chosen in it comes back as the link itself; the
// chosen file need not exist; resizable. Offers `Poprzednia` when it is not empty.
std::unique_ptr<QFileDialog> ZbudujDialogOtwarcia(QWidget* Okno, const QString& Poprzednia);
