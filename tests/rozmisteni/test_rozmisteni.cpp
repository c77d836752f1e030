#include "../modalni.h"
#include "dialogs/rozmisteni.h"
#include "items/obrazky.h"
#include "main/editor.h"
#include "main/kresleni.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vinula;

namespace {

constexpr QRgb znacka = 0xffff0000; // a pixel only a redraw removes

void zadej(const QString &pocet, bool dotyk = true,
           const QStringList &meze = {"0", "29", "0", "19"}) {
    promenne.pocet = pocet;
    promenne.dotyk = dotyk;
    promenne.radek_od = meze[0];
    promenne.radek_do = meze[1];
    promenne.sloupec_od = meze[2];
    promenne.sloupec_do = meze[3];
}

int pocetKodu(const Mistnost &m, int kod) {
    int n = 0;
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            n += m.bunka(x, y) == kod;
    return n;
}

// Every cell's inside shows its own picture.
bool plochaOdpovida(const Editor &e) {
    const QImage &obraz = e.plocha->obraz();
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y) {
            const QImage *obrazek = obrazky::proKod(e.mistnost.bunka(x, y));
            if (obrazek && obraz.pixel(20 * x + 10, 20 * y + 10) != obrazek->pixel(10, 10))
                return false;
        }
    return true;
}

// All 48 grid lines are on the surface.
bool mrizkaNakreslena(const Editor &e) {
    const QImage &obraz = e.plocha->obraz();
    for (int k = 1; k < 30; ++k)
        for (int y = 0; y < 400; y += 7)
            if (obraz.pixel(20 * k, y) != kresleni::barvaMrizky)
                return false;
    for (int k = 1; k < 20; ++k)
        for (int x = 0; x < 600; x += 7)
            if (obraz.pixel(x, 20 * k) != kresleni::barvaMrizky)
                return false;
    return true;
}

struct Poloha {
    const char *jmeno;
    QRect kde;
};

} // namespace

class TestRozmisteni : public QObject {
    Q_OBJECT
private slots:
    void init();

    void tikRozmistiPrekresliAObnoviMrizku();
    void tikBezPozadavku_data();
    void tikBezPozadavku();

    void dialogVychoziStav_data();
    void dialogVychoziStav();
    void dialogRozlozeni();
    void rozmistitUkladaPole();
    void zrusitNechavaJenNulu();
    void prikazRozmistitCelaCesta();
    void prikazZavreniOknemNicNerozmisti_data();
    void prikazZavreniOknemNicNerozmisti();
};

void TestRozmisteni::init() {
    promenne = Promenne{};
}

// Block 1 of the tick: the items are placed, the whole room is drawn again
// (the mark disappears, every cell shows its picture), the request is cleared
// and the grid lines lie on top of the new pictures.
void TestRozmisteni::tikRozmistiPrekresliAObnoviMrizku() {
    Editor e;
    e.Timer1->stop();
    e.prepniMrizku();
    QVERIFY(e.mrizka->isChecked());
    promenne.predmet = 50;
    zadej(QStringLiteral("25"), false);
    e.nahoda().seed(3);
    e.plocha->obraz().setPixel(25 * 20 + 10, 15 * 20 + 10, znacka);

    e.Timer1_Timer();

    QCOMPARE(promenne.pocet, QStringLiteral("0"));
    QCOMPARE(pocetKodu(e.mistnost, 50), 25);
    QVERIFY(plochaOdpovida(e));
    QVERIFY(mrizkaNakreslena(e));
    QVERIFY(e.mrizka->isChecked());

    // The next tick finds no request: the room stays as it is.
    const Mistnost pred = e.mistnost;
    e.Timer1_Timer();
    QVERIFY(e.mistnost == pred);

    // The same seed places the same way.
    Editor f;
    f.Timer1->stop();
    promenne.predmet = 50;
    zadej(QStringLiteral("25"), false);
    f.nahoda().seed(3);
    f.Timer1_Timer();
    QVERIFY(f.mistnost == e.mistnost);
}

void TestRozmisteni::tikBezPozadavku_data() {
    QTest::addColumn<int>("predmet");
    QTest::addColumn<QString>("pocet");
    QTest::addColumn<QString>("radekOd");
    QTest::addColumn<bool>("prekresleno");
    QTest::addColumn<QString>("pocetPotom");

    QTest::newRow("zero") << 100 << "0"
                          << "0" << false << "0";
    QTest::newRow("negative") << 100 << "-4"
                              << "0" << false << "-4";
    QTest::newRow("empty") << 100 << ""
                           << "0" << false << "";
    QTest::newRow("not a number") << 100 << "deset"
                                  << "0" << false << "0";
    QTest::newRow("nan") << 100 << "nan"
                         << "0" << false << "0";
    QTest::newRow("below one") << 100 << "0.5"
                               << "0" << true << "0";
    QTest::newRow("junk bound") << 100 << "10"
                                << "x" << true << "0";
    QTest::newRow("free floor") << 0 << "10"
                                << "0" << true << "0";
}

// Nothing is placed; only a count greater than 0 redraws the room.
void TestRozmisteni::tikBezPozadavku() {
    QFETCH(int, predmet);
    QFETCH(QString, pocet);
    QFETCH(QString, radekOd);
    QFETCH(bool, prekresleno);
    QFETCH(QString, pocetPotom);

    Editor e;
    e.Timer1->stop();
    e.mistnost.nastav(4, 4, 52);
    e.vykresliBunku(4, 4, 52);
    const Mistnost pred = e.mistnost;
    promenne.predmet = predmet;
    zadej(pocet, true, {radekOd, "29", "0", "19"});
    e.plocha->obraz().setPixel(25 * 20 + 10, 15 * 20 + 10, znacka);

    e.Timer1_Timer();

    QVERIFY(e.mistnost == pred);
    QCOMPARE(e.plocha->obraz().pixel(25 * 20 + 10, 15 * 20 + 10) != znacka, prekresleno);
    QCOMPARE(promenne.pocet, pocetPotom);
}

void TestRozmisteni::dialogVychoziStav_data() {
    QTest::addColumn<bool>("dotyk");
    QTest::newRow("touching") << true;
    QTest::newRow("apart") << false;
}

// The boxes always start from their fixed texts; the check box shows dotyk.
void TestRozmisteni::dialogVychoziStav() {
    QFETCH(bool, dotyk);
    promenne.dotyk = dotyk;
    promenne.radek_od = QStringLiteral("7"); // what was typed before is not shown
    Rozmisteni d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Náhodné rozmístění navoleného předmětu"));
    QCOMPARE(d.Text1->text(), QStringLiteral("0"));
    QCOMPARE(d.Text2->text(), QStringLiteral("29"));
    QCOMPARE(d.Text3->text(), QStringLiteral("0"));
    QCOMPARE(d.Text4->text(), QStringLiteral("19"));
    QCOMPARE(d.Text5->text(), QStringLiteral("10"));
    QCOMPARE(d.Check1->isChecked(), dotyk);
    QCOMPARE(d.Check1->text(), QString());
    QCOMPARE(d.Command1->text(), QStringLiteral("&Rozmístit"));
    QCOMPARE(d.Command2->text(), QStringLiteral("&Zrušit"));
    QVERIFY(!d.Command1->autoDefault() && !d.Command1->isDefault());
    QVERIFY(!d.Command2->autoDefault() && !d.Command2->isDefault());
}

void TestRozmisteni::dialogRozlozeni() {
    Rozmisteni d;
    QCOMPARE(d.size(), QSize(301, 177));
    const Poloha tabulka[] = {
        {"Command1", {7, 147, 141, 22}}, {"Command2", {154, 147, 141, 22}},
        {"Text1", {140, 7, 36, 19}},     {"Text2", {217, 7, 36, 19}},
        {"Text3", {140, 42, 36, 19}},    {"Text4", {217, 42, 36, 19}},
        {"Text5", {140, 77, 113, 19}},   {"Check1", {238, 112, 15, 15}},
        {"Label1", {35, 7, 50, 15}},     {"Label6", {112, 7, 15, 15}},
        {"Label2", {189, 7, 15, 15}},    {"Label3", {35, 42, 57, 15}},
        {"Label7", {112, 42, 15, 15}},   {"Label4", {189, 42, 15, 15}},
        {"Label5", {35, 77, 36, 15}},    {"Label8", {35, 112, 190, 15}},
    };
    for (const Poloha &p : tabulka) {
        auto *w = d.findChild<QWidget *>(QLatin1String(p.jmeno));
        QVERIFY2(w, p.jmeno);
        QCOMPARE(w->geometry(), p.kde);
    }
    const std::pair<const char *, const char *> popisky[] = {
        {"Label1", "Řádek"}, {"Label6", "od"},
        {"Label2", "do"},    {"Label3", "Sloupec"},
        {"Label7", "od"},    {"Label4", "do"},
        {"Label5", "Počet"}, {"Label8", "Předměty se mohou navzájem dotýkat"},
    };
    for (const auto &[jmeno, text] : popisky) {
        auto *label = d.findChild<QLabel *>(QLatin1String(jmeno));
        QVERIFY2(label, jmeno);
        QCOMPARE(label->text(), QString::fromUtf8(text));
        // The whole text is readable within the label.
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), jmeno);
    }

    // Tab order: the buttons, the five boxes, then the check box.
    QStringList poradi;
    QWidget *w = d.Command1;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            poradi << w->objectName();
        w = w->nextInFocusChain();
    } while (w != d.Command1);
    QCOMPARE(poradi, (QStringList{"Command1", "Command2", "Text1", "Text2", "Text3", "Text4",
                                  "Text5", "Check1"}));
}

// Rozmístit stores all six fields and closes.
void TestRozmisteni::rozmistitUkladaPole() {
    promenne.dotyk = true;
    Rozmisteni d;
    d.show();
    d.Text1->setText(QStringLiteral("3"));
    d.Text2->setText(QStringLiteral("x"));
    d.Text3->setText(QStringLiteral(" 4"));
    d.Text4->setText(QString());
    d.Text5->setText(QStringLiteral("17"));
    QTest::mouseClick(d.Check1, Qt::LeftButton);
    QVERIFY(!d.Check1->isChecked());
    QTest::mouseClick(d.Command1, Qt::LeftButton);
    QCOMPARE(promenne.pocet, QStringLiteral("17"));
    QCOMPARE(promenne.dotyk, false);
    QCOMPARE(promenne.radek_od, QStringLiteral("3"));
    QCOMPARE(promenne.radek_do, QStringLiteral("x"));
    QCOMPARE(promenne.sloupec_od, QStringLiteral(" 4"));
    QCOMPARE(promenne.sloupec_do, QString());
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

// Zrušit clears the count and nothing else.
void TestRozmisteni::zrusitNechavaJenNulu() {
    zadej(QStringLiteral("5"), false, {"1", "2", "3", "4"});
    Rozmisteni d;
    d.show();
    d.Text5->setText(QStringLiteral("99"));
    QTest::mouseClick(d.Check1, Qt::LeftButton);
    QTest::mouseClick(d.Command2, Qt::LeftButton);
    QCOMPARE(promenne.pocet, QStringLiteral("0"));
    QCOMPARE(promenne.dotyk, false);
    QCOMPARE(promenne.radek_od, QStringLiteral("1"));
    QCOMPARE(promenne.sloupec_do, QStringLiteral("4"));
    QVERIFY(!d.isVisible());
}

// The menu command opens the dialog modally; what is typed and confirmed is
// placed on the next tick, and the check box remembers the choice.
void TestRozmisteni::prikazRozmistitCelaCesta() {
    Editor e;
    e.Timer1->stop();
    promenne.predmet = 120;
    promenne.pocet = QStringLiteral("8"); // a stale request the command must drop

    const bool probehlo = sModalnimOknem([&] { e.rozmistit->trigger(); },
                                         [&](QWidget *okno) {
                                             auto *d = qobject_cast<Rozmisteni *>(okno);
                                             QVERIFY(d);
                                             QCOMPARE(e.rozmisteni.data(), okno);
                                             QCOMPARE(promenne.pocet, QStringLiteral("0"));
                                             QVERIFY(d->Check1->isChecked());
                                             d->Text5->clear();
                                             QTest::keyClicks(d->Text5, QStringLiteral("6"));
                                             QTest::mouseClick(d->Check1, Qt::LeftButton);
                                             QTest::mouseClick(d->Command1, Qt::LeftButton);
                                         });
    QVERIFY(probehlo);
    QTRY_VERIFY(e.rozmisteni.isNull()); // destroyed once closed
    QCOMPARE(promenne.pocet, QStringLiteral("6"));
    QCOMPARE(promenne.dotyk, false);
    QCOMPARE(pocetKodu(e.mistnost, 120), 0); // not before the tick
    e.Timer1_Timer();
    QCOMPARE(pocetKodu(e.mistnost, 120), 6);
    QCOMPARE(promenne.pocet, QStringLiteral("0"));

    // Opened again: fresh boxes, the check box as last confirmed.
    const bool znovu = sModalnimOknem([&] { e.rozmistit_Click(); },
                                      [&](QWidget *okno) {
                                          auto *d = qobject_cast<Rozmisteni *>(okno);
                                          QVERIFY(d);
                                          QVERIFY(!d->Check1->isChecked());
                                          QCOMPARE(d->Text5->text(), QStringLiteral("10"));
                                          QTest::mouseClick(d->Command2, Qt::LeftButton);
                                      });
    QVERIFY(znovu);
    QCOMPARE(promenne.pocet, QStringLiteral("0"));
}

void TestRozmisteni::prikazZavreniOknemNicNerozmisti_data() {
    QTest::addColumn<int>("zpusob");
    QTest::newRow("Zrušit") << 0;
    QTest::newRow("window closed") << 1;
    QTest::newRow("Escape") << 2;
}

// However the dialog is left without confirming, no request remains and the
// next tick neither places nor redraws.
void TestRozmisteni::prikazZavreniOknemNicNerozmisti() {
    QFETCH(int, zpusob);
    Editor e;
    e.Timer1->stop();
    promenne.predmet = 120;
    promenne.pocet = QStringLiteral("8");
    const bool probehlo = sModalnimOknem([&] { e.rozmistit_Click(); },
                                         [&](QWidget *okno) {
                                             auto *d = qobject_cast<Rozmisteni *>(okno);
                                             QVERIFY(d);
                                             if (zpusob == 0)
                                                 QTest::mouseClick(d->Command2, Qt::LeftButton);
                                             else if (zpusob == 1)
                                                 d->close();
                                             else
                                                 QTest::keyClick(d, Qt::Key_Escape);
                                         });
    QVERIFY(probehlo);
    QVERIFY(e.rozmisteni.isNull() || !e.rozmisteni->isVisible());
    QCOMPARE(promenne.pocet, QStringLiteral("0"));
    e.plocha->obraz().setPixel(10, 10, znacka);
    e.Timer1_Timer();
    QCOMPARE(pocetKodu(e.mistnost, 120), 0);
    QCOMPARE(e.plocha->obraz().pixel(10, 10), znacka);
}

QTEST_MAIN(TestRozmisteni)
#include "test_rozmisteni.moc"
