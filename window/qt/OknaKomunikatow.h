#pragma once

// The message boxes of the program, built but not shown, so that their make-up can be checked.
// Each is centred on the screen (no parent) and shows its text as plain text.

#include <QMessageBox>
#include <QString>
#include <memory>

std::unique_ptr<QMessageBox> OknoBledu(const QString& Tekst);
std::unique_ptr<QMessageBox> OknoOkAnuluj(const QString& Tekst);
std::unique_ptr<QMessageBox> OknoTakNie(const QString& Tekst);
