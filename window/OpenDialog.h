#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TPulpit;

// The window's file-open dialog: shown through the desktop, it remembers the last path chosen
// and offers it the next time.
class TOpenDialog : public QObject {
  Q_OBJECT

 public:
  TOpenDialog(TPulpit& Pulpit, QWidget* Okno);

  // The path chosen last; offered when the dialog opens.
  QString FileName;

  // True when a file was chosen; FileName then holds it.
  bool Execute();

 private:
  TPulpit& pulpit_;
  QWidget* okno_;
};
