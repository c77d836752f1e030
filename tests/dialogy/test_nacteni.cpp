#include "pomoc.h"

#include "dialogs/nacteni.h"
#include "dialogs/seznamy.h"
#include "dialogs/zapsani.h"
#include "main/editor.h"
#include "room/promenne.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

using namespace vinula;

// The load dialog `nacteni`.
class TestNacteni : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { slozka_.reset(); }

    void otevreni();
    void okPredKlikem();
    void cisloMistnosti_data();
    void cisloMistnosti();
    void prazdnySoubor();
    void spatnaDelkaPakDobrySoubor();
    void priponaDat();
    void zmizelySoubor();
    void zmenaSlozky();
    void zmenaDisku();
    void nacteniANavrhJmena();
    void zrusit();
    void zavreniJinakNicNemeni();
    void nacteniPresEditor();

private:
    // A shown dialog on the test folder.
    std::unique_ptr<Nacteni> otevri();
    QString rooms() const { return slozka_->soubor(QStringLiteral("ROOMS.DAT")); }

    std::unique_ptr<pomoc::Slozka> slozka_;
};

void TestNacteni::init() {
    promenne = Promenne{};
    slozka_ = std::make_unique<pomoc::Slozka>();
    QVERIFY(slozka_->platna());
    // Three rooms whose cells hold 100, 101, 102.
    QVERIFY(pomoc::zapis(rooms(), pomoc::zaznam("Jedna", 100) + pomoc::zaznam("Dva", 101) +
                                      pomoc::zaznam("Tri", 102)));
}

std::unique_ptr<Nacteni> TestNacteni::otevri() {
    auto dialog = std::make_unique<Nacteni>();
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void TestNacteni::otevreni() {
    const auto dialog = otevri();
    QVERIFY(dialog);
    QCOMPARE(dialog->delka, 0);
    QVERIFY(dialog->zvoleny_nazev.isEmpty());
    QCOMPARE(dialog->Text1->text(), QStringLiteral("1"));
    QVERIFY(dialog->Label4->text().isEmpty());
    QVERIFY(dialog->popisek->text().isEmpty());
    QCOMPARE(dialog->seznamy->cesta(), slozka_->cesta());
}

void TestNacteni::okPredKlikem() {
    // A path left from an earlier opening plays no part while nothing is read.
    promenne.soubor_nacteni = rooms();
    const auto dialog = otevri();
    QVERIFY(dialog);
    QVERIFY(dialog->popisek->text().isEmpty());
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());
    QVERIFY(!promenne.pozadavek_nacteni);
    QCOMPARE(promenne.cislo_mistnosti, 0);
}

void TestNacteni::cisloMistnosti_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("nazev"); // empty: no valid choice
    QTest::addColumn<int>("cislo");
    QTest::newRow("1") << "1" << QString::fromLatin1(pomoc::nazev50("Jedna")) << 1;
    QTest::newRow("3") << "3" << QString::fromLatin1(pomoc::nazev50("Tri")) << 3;
    QTest::newRow("4") << "4" << QString() << 0;
    QTest::newRow("2abc") << "2abc" << QString::fromLatin1(pomoc::nazev50("Dva")) << 2;
    QTest::newRow("mezera pred") << " 2" << QString::fromLatin1(pomoc::nazev50("Dva")) << 2;
    QTest::newRow("abc") << "abc" << QString() << 0;
    QTest::newRow("0") << "0" << QString() << 0;
    QTest::newRow("-1") << "-1" << QString() << 0;
    QTest::newRow("prazdny") << "" << QString() << 0;
    QTest::newRow("1.5") << "1.5" << QString() << 0;
}

void TestNacteni::cisloMistnosti() {
    QFETCH(QString, text);
    QFETCH(QString, nazev);
    QFETCH(int, cislo);
    const auto dialog = otevri();
    QVERIFY(dialog);
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QCOMPARE(promenne.soubor_nacteni, rooms());
    QCOMPARE(dialog->delka, 1950);
    QCOMPARE(dialog->Label4->text(), QStringLiteral("3"));
    QCOMPARE(dialog->popisek->text(), QString::fromLatin1(pomoc::nazev50("Jedna")));

    // Typed as a user types: each keystroke runs the check.
    dialog->Text1->clear();
    QTest::keyClicks(dialog->Text1, text);
    QCOMPARE(dialog->popisek->text(), nazev);
    QCOMPARE(dialog->zvoleny_nazev, nazev);
    QCOMPARE(dialog->Label4->text(), QStringLiteral("3"));

    dialog->Command1->click();
    QCOMPARE(dialog->isVisible(), cislo == 0);
    QCOMPARE(promenne.pozadavek_nacteni, cislo != 0);
    QCOMPARE(promenne.cislo_mistnosti, cislo);
    if (cislo != 0) {
        QCOMPARE(promenne.nazev_mistnosti, nazev);
        QCOMPARE(promenne.nazev_souboru, QStringLiteral("ROOMS.DAT"));
        QCOMPARE(promenne.soubor_nacteni, rooms());
    } else {
        QVERIFY(promenne.nazev_mistnosti.isEmpty());
        QVERIFY(promenne.nazev_souboru.isEmpty());
    }
}

void TestNacteni::prazdnySoubor() {
    QVERIFY(pomoc::zapis(slozka_->soubor("E.DAT"), {}));
    const auto dialog = otevri();
    QVERIFY(dialog);
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("E.DAT")));
    QCOMPARE(dialog->Label4->text(), QStringLiteral("0"));
    for (const char *text : {"1", "0", "2"}) {
        dialog->Text1->setText(QString::fromLatin1(text));
        QVERIFY(dialog->popisek->text().isEmpty());
        dialog->Command1->click();
        QVERIFY(dialog->isVisible());
    }
    QVERIFY(!promenne.pozadavek_nacteni);
}

void TestNacteni::spatnaDelkaPakDobrySoubor() {
    QVERIFY(pomoc::zapis(slozka_->soubor("B.DAT"), QByteArray(1000, 'x')));
    const auto dialog = otevri();
    QVERIFY(dialog);
    dialog->Text1->setText(QStringLiteral("2"));
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QCOMPARE(dialog->popisek->text(), QString::fromLatin1(pomoc::nazev50("Dva")));

    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("B.DAT")));
    QCOMPARE(dialog->delka, 1000);
    QVERIFY(dialog->Label4->text().isEmpty());
    QVERIFY(dialog->popisek->text().isEmpty());
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());
    // Retyping the number finds no room in the broken file either.
    dialog->Text1->setText(QStringLiteral("1"));
    QVERIFY(dialog->popisek->text().isEmpty());
    dialog->Text1->setText(QStringLiteral("2"));

    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QCOMPARE(dialog->Label4->text(), QStringLiteral("3"));
    QCOMPARE(dialog->popisek->text(), QString::fromLatin1(pomoc::nazev50("Dva")));
    dialog->Command1->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(promenne.cislo_mistnosti, 2);
}

void TestNacteni::priponaDat() {
    QVERIFY(QFile::copy(rooms(), slozka_->soubor("ROOMS.Dat")));
    QVERIFY(pomoc::zapis(slozka_->soubor("ROOMS.TXT"), pomoc::zaznam("t")));
    const auto dialog = otevri();
    QVERIFY(dialog);
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    for (const char *soubor : {"ROOMS.Dat", "ROOMS.TXT"}) {
        QVERIFY(pomoc::klikniSoubor(dialog->File1, QString::fromLatin1(soubor)));
        QCOMPARE(promenne.soubor_nacteni, slozka_->soubor(QString::fromLatin1(soubor)));
        QVERIFY(dialog->Label4->text().isEmpty());
        QVERIFY(dialog->popisek->text().isEmpty());
        dialog->Text1->setText(QStringLiteral("1"));
        QVERIFY(dialog->popisek->text().isEmpty());
        dialog->Command1->click();
        QVERIFY(dialog->isVisible());
    }
    QVERIFY(!promenne.pozadavek_nacteni);
}

void TestNacteni::zmizelySoubor() {
    QVERIFY(pomoc::zapis(slozka_->soubor("Z.DAT"), pomoc::zaznam("z")));
    const auto dialog = otevri();
    QVERIFY(dialog);
    // Gone before the click: nothing to count.
    QVERIFY(QFile::remove(slozka_->soubor("Z.DAT")));
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("Z.DAT")));
    QVERIFY(dialog->Label4->text().isEmpty());
    QVERIFY(dialog->popisek->text().isEmpty());
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());

    // Gone, or cut short, between the click and OK: no request.
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QVERIFY(pomoc::zapis(rooms(), pomoc::zaznam("Jedna")));
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());
    QVERIFY(QFile::remove(rooms()));
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());
    QVERIFY(!promenne.pozadavek_nacteni);
}

void TestNacteni::zmenaSlozky() {
    QVERIFY(QDir(slozka_->cesta()).mkdir(QStringLiteral("hra")));
    const QString hra = slozka_->soubor(QStringLiteral("hra"));
    QVERIFY(QFile::copy(rooms(), QDir(hra).filePath(QStringLiteral("ROOMS.DAT"))));
    const auto dialog = otevri();
    QVERIFY(dialog);
    dialog->Text1->setText(QStringLiteral("2"));
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QCOMPARE(dialog->popisek->text(), QString::fromLatin1(pomoc::nazev50("Dva")));

    QVERIFY(pomoc::otevriSlozku(dialog->Dir1, hra));
    QCOMPARE(dialog->seznamy->cesta(), hra);
    QVERIFY(dialog->Label4->text().isEmpty());
    QVERIFY(dialog->popisek->text().isEmpty());
    QCOMPARE(dialog->delka, 1950);
    QCOMPARE(promenne.soubor_nacteni, rooms());
    QCOMPARE(dialog->Text1->text(), QStringLiteral("2"));
    // The file shown now is not the one read: OK records nothing.
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());

    // Back where the file was read, but nothing selected yet.
    QVERIFY(pomoc::otevriSlozku(dialog->Dir1, slozka_->cesta()));
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());
    QVERIFY(!promenne.pozadavek_nacteni);

    // Reading the file in the subfolder makes it the one to load.
    QVERIFY(pomoc::otevriSlozku(dialog->Dir1, hra));
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QCOMPARE(dialog->popisek->text(), QString::fromLatin1(pomoc::nazev50("Dva")));
    dialog->Command1->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(promenne.soubor_nacteni, QDir(hra).filePath(QStringLiteral("ROOMS.DAT")));
    QCOMPARE(promenne.nazev_souboru, QStringLiteral("ROOMS.DAT"));
}

void TestNacteni::zmenaDisku() {
    const auto dialog = otevri();
    QVERIFY(dialog);
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QCOMPARE(dialog->Label4->text(), QStringLiteral("3"));
    // The drive the user is on: back to the directory last shown there.
    dialog->seznamy->zvolDisk(dialog->Drive1->currentIndex());
    QCOMPARE(dialog->seznamy->cesta(), slozka_->cesta());
    QVERIFY(dialog->Label4->text().isEmpty());
    QVERIFY(dialog->popisek->text().isEmpty());
    QCOMPARE(dialog->delka, 1950);
    dialog->Command1->click();
    QVERIFY(dialog->isVisible());
}

void TestNacteni::nacteniANavrhJmena() {
    QVERIFY(QDir(slozka_->cesta()).mkdir(QStringLiteral("hra")));
    const QString hra = slozka_->soubor(QStringLiteral("hra"));
    QVERIFY(QFile::copy(rooms(), QDir(hra).filePath(QStringLiteral("ROOMS.DAT"))));
    {
        const auto dialog = otevri();
        QVERIFY(dialog);
        QVERIFY(pomoc::otevriSlozku(dialog->Dir1, hra));
        QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
        dialog->Text1->setText(QStringLiteral("2"));
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }
    QVERIFY(promenne.pozadavek_nacteni);
    QCOMPARE(promenne.cislo_mistnosti, 2);
    QCOMPARE(promenne.nazev_souboru, QStringLiteral("ROOMS.DAT"));
    QCOMPARE(promenne.nazev_mistnosti, QString::fromLatin1(pomoc::nazev50("Dva")));

    // The next save proposes the file's name, in the current directory.
    Zapsani zapsani;
    QCOMPARE(zapsani.Text1->text(), QStringLiteral("ROOMS.DAT"));
    QCOMPARE(zapsani.Text2->text(), QString::fromLatin1(pomoc::nazev50("Dva")));
    QCOMPARE(zapsani.seznamy->cesta(), slozka_->cesta());
}

void TestNacteni::zrusit() {
    promenne.pozadavek_nacteni = true;
    const auto dialog = otevri();
    QVERIFY(dialog);
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!promenne.pozadavek_nacteni);
    QCOMPARE(promenne.cislo_mistnosti, 0);
    QVERIFY(promenne.nazev_souboru.isEmpty());
    QVERIFY(promenne.nazev_mistnosti.isEmpty());
}

void TestNacteni::zavreniJinakNicNemeni() {
    promenne.pozadavek_nacteni = true;
    const auto dialog = otevri();
    QVERIFY(dialog);
    QVERIFY(pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT")));
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QVERIFY(promenne.pozadavek_nacteni);
    QCOMPARE(promenne.cislo_mistnosti, 0);
    QVERIFY(promenne.nazev_mistnosti.isEmpty());
}

void TestNacteni::nacteniPresEditor() {
    Editor editor;
    editor.Timer1->stop();
    editor.mistnost.nastav(4, 4, 55);
    const Mistnost predtim = editor.mistnost;
    bool drzeny = false;
    const bool otevreno =
        pomoc::veModalnimOkne([&] { editor.nacist_Click(); },
                              [&](QWidget *okno) {
                                  auto *dialog = qobject_cast<Nacteni *>(okno);
                                  if (!dialog)
                                      return;
                                  drzeny = editor.nacteni == dialog && dialog->isModal();
                                  pomoc::klikniSoubor(dialog->File1, QStringLiteral("ROOMS.DAT"));
                                  dialog->Text1->setText(QStringLiteral("3"));
                                  dialog->Command1->click();
                              });
    QVERIFY(otevreno);
    QVERIFY(drzeny);
    QTRY_VERIFY(editor.nacteni.isNull());
    QVERIFY(promenne.pozadavek_nacteni);
    QVERIFY(editor.mistnost == predtim); // the dialog leaves the grid to the tick

    editor.Timer1_Timer();
    QVERIFY(!promenne.pozadavek_nacteni);
    QCOMPARE(editor.mistnost.bunka(0, 0), Kod{102});
    QCOMPARE(editor.mistnost.bunka(29, 19), Kod{102});
    QCOMPARE(editor.mistnost.bunka(-1, -1), Kod{0});
    QCOMPARE(promenne.nazev_mistnosti, QString::fromLatin1(pomoc::nazev50("Tri")));
}

QTEST_MAIN(TestNacteni)
#include "test_nacteni.moc"
