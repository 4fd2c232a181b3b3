// The window as Qt draws the layout table when it first appears: frame, controls, fonts, focus.

#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "tests/window/qt/Pomocnicy.h"

class UkladTest : public QObject {
  Q_OBJECT

 public:
  explicit UkladTest(TPulpitTestowy& Pulpit) : pulpit_(Pulpit) {}

 private slots:
  void init() {
    pulpit_.Wyczysc();
    okno_ = PokazaneOkno(pulpit_, folder_);
  }
  void cleanup() { okno_.reset(); }

  void oknoMaStalyRozmiarIRamkeZSamymZamknieciem() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Rozpoznik"));
    QCOMPARE(okno_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(okno_->windowTitle(), QStringLiteral("Rozpoznik wersja 1.4"));
    QCOMPARE(okno_->size(), QSize(415, 393));
    QCOMPARE(okno_->minimumSize(), QSize(415, 393));
    QCOMPARE(okno_->maximumSize(), QSize(415, 393));
    QCOMPARE(okno_->frameGeometry().topLeft(), QPoint(231, 146));
    const Qt::WindowFlags flagi = okno_->windowFlags();
    QVERIFY(flagi.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flagi.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flagi.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(okno_->grab().toImage().pixelColor(410, 200), QColor(Qt::black));
  }

  // Every control where the layout table puts it, in its font and colour: the view draws the
  // table, so the table is what it is held to. Pictures take their picture's size, labels their
  // text's width, the notice its place when it first shows.
  void kontrolkiJakWTabeli() {
    for (const TOpisKontrolki& opis : UkladOkna) {
      const QString nazwa = QString::fromUtf8(opis.Nazwa.data(), opis.Nazwa.size());
      const auto* kontrolka = okno_->findChild<QWidget*>(nazwa);
      QVERIFY2(kontrolka != nullptr, qPrintable(nazwa));
      QVERIFY2(kontrolka->isVisible() == opis.NaStarcie, qPrintable(nazwa));
      const TProstokat& p = opis.Polozenie;
      if (opis.Czcionka > 0) QCOMPARE(kontrolka->font().pixelSize(), opis.Czcionka);
      switch (opis.Rodzaj) {
        case TRodzajKontrolki::Obraz:
          QCOMPARE(kontrolka->pos(), QPoint(p.Lewa, p.Gora));
          QCOMPARE(kontrolka->size(), static_cast<const QLabel*>(kontrolka)->pixmap().size());
          break;
        case TRodzajKontrolki::Etykieta: {
          const auto* etykieta = static_cast<const QLabel*>(kontrolka);
          if (!opis.WysrodkowanaNaRamie) QCOMPARE(etykieta->pos(), QPoint(p.Lewa, p.Gora));
          QCOMPARE(etykieta->height(), p.Wysokosc);
          QCOMPARE(etykieta->width(), etykieta->sizeHint().width());
          QVERIFY(
              etykieta->text().startsWith(QString::fromUtf8(opis.Tekst.data(), opis.Tekst.size())));
          const TKolor k = opis.KolorTekstu;
          QCOMPARE(etykieta->palette().color(QPalette::WindowText), QColor(k.R, k.G, k.B));
          QVERIFY(!etykieta->autoFillBackground());
          // In the table's font a label is as wide as the table says.
          if (TahomaZainstalowana() && p.Szerokosc > 0 && !opis.WysrodkowanaNaRamie &&
              opis.Kontrolka != TKontrolka::Label6) {
            QVERIFY2(qAbs(etykieta->width() - p.Szerokosc) <= 3, qPrintable(nazwa));
          }
          break;
        }
        default:
          QCOMPARE(kontrolka->geometry(), QRect(p.Lewa, p.Gora, p.Szerokosc, p.Wysokosc));
          break;
      }
    }
    QCOMPARE(okno_->Label6->text(), QStringLiteral("Odwiedź nas: http://rozpoznik.test/"));
  }

  void poczatkowyStan() {
    for (const QLineEdit* pole : {okno_->Edit1, okno_->TypEdit, okno_->KategoriaEdit}) {
      QVERIFY(pole->text().isEmpty());
      QVERIFY(pole->isReadOnly());
      QCOMPARE(pole->font().pixelSize(), 13);
    }
    QVERIFY(okno_->ProgramyMemo->toPlainText().isEmpty());
    QVERIFY(okno_->ProgramyMemo->isReadOnly());
    QCOMPARE(okno_->ProgramyMemo->font().pixelSize(), 13);
    QCOMPARE(okno_->ProgramyMemo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(okno_->ProgramyMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(okno_->ProgramyMemo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QCOMPARE(okno_->SpeedButton1->text(), QStringLiteral("Przeglądaj"));
    QCOMPARE(okno_->SpeedButton1->font().pixelSize(), 13);
    QCOMPARE(okno_->SpeedButton1->palette().color(QPalette::ButtonText), QColor(Qt::white));

    QCOMPARE(okno_->ScrollBar1->orientation(), Qt::Vertical);
    QCOMPARE(okno_->ScrollBar1->minimum(), 0);
    QCOMPARE(okno_->ScrollBar1->maximum(), 100);
    QCOMPARE(okno_->ScrollBar1->value(), 0);
    QCOMPARE(okno_->ScrollBar1->singleStep(), 1);
    QCOMPARE(okno_->ScrollBar1->pageStep(), 1);

    QVERIFY(okno_->InfoLabel->isHidden());
    QVERIFY(okno_->InfoLabel->text().isEmpty());
    QCOMPARE(okno_->InfoLabel->y(), 101);
    QCOMPARE(okno_->InfoLabel->height(), 18);
    QCOMPARE(okno_->InfoLabel->font().pixelSize(), 15);
    QCOMPARE(okno_->InfoLabel->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(okno_->Pasek->isVisible());

    QCOMPARE(okno_->Image1->pixmap().size(), QSize(400, 393));
    QCOMPARE(okno_->Image2->pixmap().size(), QSize(31, 30));
    QCOMPARE(okno_->Label6->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(okno_->Image2->cursor().shape(), Qt::ArrowCursor);
  }

  void czcionkaTahoma() {
    if (!TahomaZainstalowana()) QSKIP("fonts-wine is not installed");
    QCOMPARE(QFontInfo(okno_->Label1->font()).family(), QStringLiteral("Tahoma"));
    QCOMPARE(QFontInfo(okno_->Edit1->font()).family(), QStringLiteral("Tahoma"));
  }

  // Pictures, labels and lines in their drawing order, the boxes and the scroll bar above
  // them, InfoMemo above everything.
  void kolejnoscOdTyluDoPrzodu() {
    QStringList kolejnosc;
    for (QObject* dziecko : okno_->children()) {
      if (dziecko->isWidgetType()) kolejnosc.append(dziecko->objectName());
    }
    QCOMPARE(kolejnosc, QStringList({"Image1", "Bevel1", "SpeedButton1", "Image2", "Label1",
                                     "Label2", "Label3", "Label4", "Label5", "Bevel2", "Label6",
                                     "InfoLabel", "Pasek", "Edit1", "TypEdit", "KategoriaEdit",
                                     "ProgramyMemo", "ScrollBar1", "InfoMemo"}));
  }

  void fokusTylkoDlaPolIPaska() {
    for (const QWidget* kontrolka :
         {static_cast<QWidget*>(okno_->Image1), static_cast<QWidget*>(okno_->Image2),
          static_cast<QWidget*>(okno_->Label1), static_cast<QWidget*>(okno_->Label2),
          static_cast<QWidget*>(okno_->Label3), static_cast<QWidget*>(okno_->Label4),
          static_cast<QWidget*>(okno_->Label5), static_cast<QWidget*>(okno_->Label6),
          static_cast<QWidget*>(okno_->InfoLabel), static_cast<QWidget*>(okno_->SpeedButton1),
          static_cast<QWidget*>(okno_->Bevel1), static_cast<QWidget*>(okno_->Bevel2),
          static_cast<QWidget*>(okno_->Pasek)}) {
      QCOMPARE(kontrolka->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(QTest::qWaitForWindowActive(okno_.get()));
    okno_->Edit1->setFocus();
    const auto kolejne = [] {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      return QApplication::focusWidget();
    };
    // Hidden controls are skipped.
    QCOMPARE(kolejne(), okno_->TypEdit);
    QCOMPARE(kolejne(), okno_->KategoriaEdit);
    QCOMPARE(kolejne(), okno_->ProgramyMemo);
    QCOMPARE(kolejne(), okno_->Edit1);

    okno_->InfoMemo->show();
    okno_->ScrollBar1->show();
    okno_->KategoriaEdit->setFocus();
    QCOMPARE(kolejne(), okno_->ProgramyMemo);
    QCOMPARE(kolejne(), okno_->InfoMemo);
    QCOMPARE(kolejne(), okno_->ScrollBar1);
    QCOMPARE(kolejne(), okno_->Edit1);
  }

  void klikniecieNazwyPlikuNicNieZmienia() {
    const QImage przed = okno_->grab().toImage();
    QTest::mouseClick(okno_->Label1, Qt::LeftButton);
    QCOMPARE(okno_->grab().toImage(), przed);
    QVERIFY(pulpit_.OferowaneSciezki.empty());
    QVERIFY(pulpit_.Adresy.empty());
  }

 private:
  TPulpitTestowy& pulpit_;
  TFolderTestowy folder_;
  std::unique_ptr<TForm1> okno_;
};

ROZPOZNIK_TEST_OKNA(UkladTest)
#include "UkladTest.moc"
