#pragma once

// The kinds of control that the window needs beyond Qt's own.

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "window/Uklad.h"

// A separator line two pixels thick along the top or bottom edge of its box: a raised line is
// the light colour over the dark one, a lowered line the reverse. Mouse clicks pass through.
class TLinia : public QWidget {
  Q_OBJECT

 public:
  TLinia(TKrawedz Krawedz, TStylLinii Styl, QWidget* Rodzic);

 protected:
  void paintEvent(QPaintEvent* Zdarzenie) override;

 private:
  TKrawedz krawedz_;
  TStylLinii styl_;
};

// A label or picture that reports clicks, and, with mouse tracking on, every move of the mouse
// over it and its leaving.
class TEtykieta : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void Klikniecie();
  void RuchMyszy();
  void Opuszczenie();

 protected:
  void mouseReleaseEvent(QMouseEvent* Zdarzenie) override;
  void mouseMoveEvent(QMouseEvent* Zdarzenie) override;
  void leaveEvent(QEvent* Zdarzenie) override;
};

// A multi-line box that reports clicks on its text.
class TMemo : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

 signals:
  void Klikniecie();

 protected:
  void mouseReleaseEvent(QMouseEvent* Zdarzenie) override;
};

// A flat button that draws no background of its own: white text on whatever lies below it,
// with a raised edge under the mouse and a sunken one while pressed.
class TPlaskiPrzycisk : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TPlaskiPrzycisk(QWidget* Rodzic);

 protected:
  void paintEvent(QPaintEvent* Zdarzenie) override;
};
