#include "window/DialogOtwarcia.h"

std::unique_ptr<QFileDialog> ZbudujDialogOtwarcia(QWidget* Okno, const QString& Poprzednia) {
  auto dialog = std::make_unique<QFileDialog>(Okno);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setOption(QFileDialog::DontResolveSymlinks);
  dialog->setSizeGripEnabled(true);
  if (!Poprzednia.isEmpty()) dialog->selectFile(Poprzednia);
  return dialog;
}
