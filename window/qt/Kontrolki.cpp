#include "window/qt/Kontrolki.h"

#include <qdrawutil.h>

#include <QMouseEvent>
#include <QPainter>

TLinia::TLinia(TKrawedz Krawedz, TStylLinii Styl, QWidget* Rodzic)
    : QWidget(Rodzic), krawedz_(Krawedz), styl_(Styl) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TLinia::paintEvent(QPaintEvent*) {
  const QColor jasny = palette().color(QPalette::Light);
  const QColor ciemny = palette().color(QPalette::Dark);
  const bool wypukla = styl_ == TStylLinii::Wypukla;
  const int gora = krawedz_ == TKrawedz::Gorna ? 0 : height() - 2;
  QPainter malarz(this);
  malarz.setPen(wypukla ? jasny : ciemny);
  malarz.drawLine(0, gora, width() - 1, gora);
  malarz.setPen(wypukla ? ciemny : jasny);
  malarz.drawLine(0, gora + 1, width() - 1, gora + 1);
}

void TEtykieta::mouseReleaseEvent(QMouseEvent* Zdarzenie) {
  QLabel::mouseReleaseEvent(Zdarzenie);
  if (Zdarzenie->button() == Qt::LeftButton && rect().contains(Zdarzenie->position().toPoint())) {
    emit Klikniecie();
  }
}

void TEtykieta::mouseMoveEvent(QMouseEvent* Zdarzenie) {
  QLabel::mouseMoveEvent(Zdarzenie);
  emit RuchMyszy();
}

void TEtykieta::leaveEvent(QEvent* Zdarzenie) {
  QLabel::leaveEvent(Zdarzenie);
  emit Opuszczenie();
}

// The event comes from the viewport, in its coordinates.
void TMemo::mouseReleaseEvent(QMouseEvent* Zdarzenie) {
  QPlainTextEdit::mouseReleaseEvent(Zdarzenie);
  if (Zdarzenie->button() == Qt::LeftButton &&
      viewport()->rect().contains(Zdarzenie->position().toPoint())) {
    emit Klikniecie();
  }
}

TPlaskiPrzycisk::TPlaskiPrzycisk(QWidget* Rodzic) : QAbstractButton(Rodzic) {
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::NoFocus);
}

void TPlaskiPrzycisk::paintEvent(QPaintEvent*) {
  QPainter malarz(this);
  if (isDown() || underMouse()) {
    qDrawShadePanel(&malarz, rect(), palette(), isDown(), 1);
  }
  malarz.setFont(font());
  malarz.setPen(palette().color(QPalette::ButtonText));
  const QPoint przesuniecie = isDown() ? QPoint(1, 1) : QPoint();
  malarz.drawText(rect().translated(przesuniecie), Qt::AlignCenter, text());
}
