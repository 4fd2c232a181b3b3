#include "window/qt/Tekst.h"

#include "text/Cp1250.h"

QString NaQString(std::string_view Cp1250) {
  return QString::fromStdString(cp1250::NaUtf8(Cp1250));
}

std::string ZQString(const QString& Tekst) {
  return cp1250::ZUtf8(Tekst.toStdString());
}

QString TekstWierszami(std::string_view Cp1250) {
  QString tekst = NaQString(Cp1250);
  tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return tekst;
}
