#include "items/obrazky.h"
#include "main/editor.h"
#include "main/kresleni.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace vinula;

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void init() { promenne = Promenne{}; }

    void zacatek();
    void rozlozeni();
    void nabidka_data();
    void nabidka();
    void mrizkaZNabidky();
    void vycistitVraciJenSvaPole();
    void vycistitSMrizkou();
    void zavreniZaviraOknaVPoradi();
    void ukoncit();
};

void TestEditor::zacatek() {
    Editor editor;
    QCOMPARE(editor.windowTitle(), QStringLiteral("Vinula - editor místností"));
    for (int x = -1; x <= 30; ++x)
        for (int y = -1; y <= 20; ++y)
            QCOMPARE(editor.mistnost.bunka(x, y), Kod{0});
    QCOMPARE(promenne.predmet, 0);
    QVERIFY(promenne.dotyk);
    QVERIFY(!editor.mrizka->isChecked());
    QVERIFY(!editor.stisk_shift);
    QVERIFY(!editor.leve_tlacitko);
    QVERIFY(editor.Timer1->isActive());
    QCOMPARE(editor.Timer1->interval(), 20);
    QImage cerna(600, 400, QImage::Format_RGB32);
    cerna.fill(Qt::black);
    QCOMPARE(editor.plocha->obraz(), cerna);
}

void TestEditor::rozlozeni() {
    Editor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QWidget *klient = editor.centralWidget();
    QCOMPARE(klient->size(), QSize(618, 418));
    QCOMPARE(editor.plocha->geometry(), QRect(7, 8, 604, 404));
    QCOMPARE(editor.plocha->contentsRect(), QRect(2, 2, 600, 400));
    auto *cara = klient->findChild<QWidget *>(QStringLiteral("Line1"));
    QVERIFY(cara);
    QCOMPARE(cara->geometry(), QRect(0, 0, 618, 1));
    QCOMPARE(cara->palette().color(QPalette::Window), QColor(128, 128, 128));
    // The surface presents its buffer.
    editor.vykresliBunku(0, 0, 52);
    QTRY_COMPARE(
        editor.plocha->grab(QRect(2, 2, 20, 20)).toImage().convertToFormat(QImage::Format_RGB32),
        obrazky::zed(2));
}

void TestEditor::nabidka_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("poradi");
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("zkratka");
    const QKeySequence zadna;
    QTest::newRow("mrizka") << 0 << 0 << "mrizka"
                            << "&Mřížka" << QKeySequence(Qt::CTRL | Qt::Key_M);
    QTest::newRow("rozmistit") << 0 << 1 << "rozmistit"
                               << "&Rozmístit" << QKeySequence(Qt::CTRL | Qt::Key_R);
    QTest::newRow("vycistit") << 0 << 2 << "vycistit"
                              << "&Vyčistit plochu" << QKeySequence(Qt::CTRL | Qt::Key_V);
    QTest::newRow("oddelovac2") << 0 << 3 << "oddelovac2"
                                << "" << zadna;
    QTest::newRow("ulozit") << 0 << 4 << "ulozit"
                            << "Ul&ožit místnost" << QKeySequence(Qt::Key_F2);
    QTest::newRow("nacist") << 0 << 5 << "nacist"
                            << "&Načíst místnost" << QKeySequence(Qt::Key_F3);
    QTest::newRow("oddelovac") << 0 << 6 << "oddelovac"
                               << "" << zadna;
    QTest::newRow("ukoncit") << 0 << 7 << "ukoncit"
                             << "&Ukončit" << QKeySequence(Qt::CTRL | Qt::Key_U);
    QTest::newRow("popis") << 1 << 0 << "popis"
                           << "&Popis" << QKeySequence(Qt::Key_F1);
    QTest::newRow("oaplikaci") << 1 << 1 << "oaplikaci"
                               << "&O aplikaci" << QKeySequence(Qt::Key_F12);
}

void TestEditor::nabidka() {
    QFETCH(int, menu);
    QFETCH(int, poradi);
    QFETCH(QString, jmeno);
    QFETCH(QString, text);
    QFETCH(QKeySequence, zkratka);

    Editor editor;
    const QList<QAction *> menus = editor.menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Program"));
    QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("nastaveni"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Nápověda"));
    QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("napov"));

    const QList<QAction *> polozky = menus[menu]->menu()->actions();
    QCOMPARE(polozky.size(), menu == 0 ? 8 : 2);
    QAction *polozka = polozky[poradi];
    QCOMPARE(polozka->objectName(), jmeno);
    QCOMPARE(polozka->isSeparator(), text.isEmpty());
    if (!polozka->isSeparator()) {
        QCOMPARE(polozka->text(), text);
        QCOMPARE(polozka->shortcut(), zkratka);
        QCOMPARE(polozka->isCheckable(), jmeno == QLatin1String("mrizka"));
    }
}

void TestEditor::mrizkaZNabidky() {
    Editor editor;
    editor.mistnost.nastav(3, 4, 111);
    editor.vykresliBunku(3, 4, 111);
    editor.vykresliBunku(6, 6, 20); // stray pixels that a redraw leaves alone
    kresleni::vlozObrazek(editor.plocha->obraz(), 6, 6, obrazky::zed(1));

    editor.mrizka->trigger();
    QVERIFY(editor.mrizka->isChecked());
    const QImage &obraz = editor.plocha->obraz();
    QCOMPARE(obraz.pixel(60, 85), kresleni::barvaMrizky); // drawn over the cell
    QCOMPARE(obraz.pixel(20, 5), kresleni::barvaMrizky);

    editor.mrizka->trigger();
    QVERIFY(!editor.mrizka->isChecked());
    // Off: cleared and redrawn from the grid, so only the grid's items stay.
    QCOMPARE(obraz.copy(kresleni::obdelnikBunky(3, 4)), obrazky::zradlo(11));
    QCOMPARE(obraz.pixel(20, 5), qRgb(0, 0, 0));
    QCOMPARE(obraz.copy(kresleni::obdelnikBunky(6, 6)), obrazky::volno());

    // The refresh keeps the state it finds.
    editor.obnovMrizku();
    QVERIFY(!editor.mrizka->isChecked());
    QCOMPARE(obraz.pixel(20, 5), qRgb(0, 0, 0));
}

void TestEditor::vycistitVraciJenSvaPole() {
    Editor editor;
    editor.mistnost.nastav(4, 4, 55);
    editor.mistnost.nastav(-1, 7, 9); // the ring is not the room's
    editor.vykresliBunku(4, 4, 55);
    editor.stisk_shift = true;
    editor.leve_tlacitko = true;
    promenne.predmet = 120;
    promenne.dotyk = false;
    promenne.pozadavek_nacteni = true;
    promenne.pozadavek_zapsani = true;
    promenne.nazev_mistnosti = QStringLiteral("sklep");
    promenne.nazev_souboru = QStringLiteral("ROOMS.DAT");
    promenne.soubor_nacteni = QStringLiteral("/a/ROOMS.DAT");
    promenne.soubor_zapsani = QStringLiteral("/b/NEW.DAT");
    promenne.cislo_mistnosti = 3;
    promenne.pocet = QStringLiteral("7");
    promenne.radek_od = QStringLiteral("2");
    promenne.sloupec_do = QStringLiteral("9");
    editor.setWindowTitle(QStringLiteral("Vinula - editor místností, řádek 1, sloupec 2, vosa"));

    editor.vycistit->trigger();

    QCOMPARE(editor.mistnost.bunka(4, 4), Kod{0});
    QCOMPARE(editor.mistnost.bunka(-1, 7), Kod{9});
    QCOMPARE(editor.plocha->obraz().pixel(85, 85), qRgb(0, 0, 0));
    QVERIFY(!editor.stisk_shift);
    QCOMPARE(promenne.predmet, 0);
    QVERIFY(promenne.dotyk);
    QVERIFY(!promenne.pozadavek_nacteni);
    QVERIFY(promenne.nazev_mistnosti.isEmpty());
    QVERIFY(promenne.nazev_souboru.isEmpty());
    // Left as they were.
    QVERIFY(editor.leve_tlacitko);
    QVERIFY(promenne.pozadavek_zapsani);
    QCOMPARE(promenne.soubor_nacteni, QStringLiteral("/a/ROOMS.DAT"));
    QCOMPARE(promenne.soubor_zapsani, QStringLiteral("/b/NEW.DAT"));
    QCOMPARE(promenne.cislo_mistnosti, 3);
    QCOMPARE(promenne.pocet, QStringLiteral("7"));
    QCOMPARE(promenne.radek_od, QStringLiteral("2"));
    QCOMPARE(promenne.sloupec_do, QStringLiteral("9"));
    QCOMPARE(editor.windowTitle(),
             QStringLiteral("Vinula - editor místností, řádek 1, sloupec 2, vosa"));
}

void TestEditor::vycistitSMrizkou() {
    Editor editor;
    editor.mrizka->trigger();
    editor.mistnost.nastav(1, 1, 100);
    editor.vykresliBunku(1, 1, 100);
    editor.vycistit->trigger();
    QVERIFY(editor.mrizka->isChecked());
    QImage ocekavany = kresleni::novaPlocha();
    kresleni::nakresliMrizku(ocekavany);
    QCOMPARE(editor.plocha->obraz(), ocekavany);
}

void TestEditor::zavreniZaviraOknaVPoradi() {
    Editor editor;
    editor.show();
    QStringList poradi;
    auto sleduj = [&](QWidget *okno, const QString &jmeno) {
        okno->setAttribute(Qt::WA_DeleteOnClose);
        connect(okno, &QObject::destroyed, this, [&poradi, jmeno] { poradi << jmeno; });
        okno->show();
    };
    auto *predmety = new QWidget(&editor, Qt::Window);
    auto *autor = new QDialog(&editor);
    auto *navod = new QDialog(&editor);
    auto *rozmisteni = new QDialog(&editor);
    sleduj(predmety, QStringLiteral("predmety"));
    sleduj(autor, QStringLiteral("autor"));
    sleduj(navod, QStringLiteral("Navod"));
    sleduj(rozmisteni, QStringLiteral("rozmisteni"));
    editor.predmety = predmety;
    editor.autor = autor;
    editor.Navod = navod;
    editor.rozmisteni = rozmisteni;
    // nacteni and zapsani are not open: they are skipped.

    editor.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(poradi, (QStringList{"predmety", "autor", "Navod", "rozmisteni"}));
    QVERIFY(!editor.Timer1->isActive());
}

void TestEditor::ukoncit() {
    Editor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.ukoncit->trigger();
    QVERIFY(!editor.isVisible());
}

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
