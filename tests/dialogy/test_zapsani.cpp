#include "pomoc.h"

#include "dialogs/seznamy.h"
#include "dialogs/zapsani.h"
#include "main/editor.h"
#include "room/promenne.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

using namespace vinula;

using Bunky = QList<QPair<QPoint, int>>;
Q_DECLARE_METATYPE(Bunky)

// The room check of the save command and the save dialog `zapsani`.
class TestZapsani : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { slozka_.reset(); }

    void kontrola_data();
    void kontrola();
    void ulozeniPresEditor();
    void otevreni();
    void klikNaSoubor_data();
    void klikNaSoubor();
    void klavesniceAOpakovanyKlik();
    void zmizelySoubor();
    void ulozitBezPripony();
    void ulozitDoPodslozky();
    void ulozitNic_data();
    void ulozitNic();
    void zrusit();
    void enterNeuklada();
    void zavreniJinakNicNemeni();

private:
    std::unique_ptr<pomoc::Slozka> slozka_;
};

void TestZapsani::init() {
    promenne = Promenne{};
    slozka_ = std::make_unique<pomoc::Slozka>();
    QVERIFY(slozka_->platna());
}

void TestZapsani::kontrola_data() {
    QTest::addColumn<Bunky>("bunky");
    QTest::addColumn<QString>("zprava"); // empty: the room passes
    QTest::newRow("prazdna") << Bunky{} << QStringLiteral("Nenadefinována žádná vinula!");
    QTest::newRow("dve vinuly bez jidla") << Bunky{{{0, 0}, 1}, {{29, 19}, 1}}
                                          << QStringLiteral("Nadefinována více než jedna vinula!");
    QTest::newRow("vinula bez jidla")
        << Bunky{{{29, 10}, 1}, {{5, 5}, 58}} << QStringLiteral("Nebylo definováno žádné jídlo!");
    QTest::newRow("jidlo bez vinuly")
        << Bunky{{{0, 0}, 100}} << QStringLiteral("Nenadefinována žádná vinula!");
    QTest::newRow("vse na krajich")
        << Bunky{{{0, 19}, 1}, {{0, 0}, 100}, {{29, 0}, 162}, {{29, 19}, 120}} << QString();
}

void TestZapsani::kontrola() {
    QFETCH(Bunky, bunky);
    QFETCH(QString, zprava);
    Editor editor;
    editor.Timer1->stop();
    for (const auto &[bod, kod] : bunky)
        editor.mistnost.nastav(bod.x(), bod.y(), static_cast<Kod>(kod));
    const Mistnost predtim = editor.mistnost;
    promenne.nazev_mistnosti = QStringLiteral("beze změny");

    QString trida, titulek, text;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    int tlacitek = -1;
    bool drzenyDialog = false;
    int oken = 0;
    const bool otevreno = pomoc::veModalnimOkne(
        [&] { editor.ulozit_Click(); },
        [&](QWidget *okno) {
            ++oken;
            trida = QString::fromLatin1(okno->metaObject()->className());
            titulek = okno->windowTitle();
            if (auto *box = qobject_cast<QMessageBox *>(okno)) {
                text = box->text();
                ikona = box->icon();
                tlacitek = static_cast<int>(box->buttons().size());
                if (tlacitek == 1 && box->standardButtons() == QMessageBox::Ok)
                    box->button(QMessageBox::Ok)->click();
                else
                    box->close();
            } else if (auto *dialog = qobject_cast<Zapsani *>(okno)) {
                drzenyDialog = editor.zapsani == dialog && dialog->isModal();
                dialog->Command2->click();
            }
        });
    QVERIFY(otevreno);
    QCOMPARE(oken, 1);
    if (zprava.isEmpty()) {
        QCOMPARE(trida, QStringLiteral("vinula::Zapsani"));
        QCOMPARE(titulek, QStringLiteral("Uložení místnosti na disk"));
        QVERIFY(drzenyDialog);
    } else {
        QCOMPARE(trida, QStringLiteral("QMessageBox"));
        QCOMPARE(titulek, QStringLiteral("Chybně definovaná místnost"));
        QCOMPARE(text, zprava);
        QCOMPARE(ikona, QMessageBox::Warning);
        QCOMPARE(tlacitek, 1);
    }
    // Closed and gone; the check changed nothing.
    QTRY_VERIFY(editor.zapsani.isNull());
    QVERIFY(editor.mistnost == predtim);
    QVERIFY(!promenne.pozadavek_zapsani);
    QVERIFY(promenne.soubor_zapsani.isEmpty());
    QCOMPARE(promenne.nazev_mistnosti, QStringLiteral("beze změny"));
}

void TestZapsani::ulozeniPresEditor() {
    // The whole way: the dialog leaves a request, the grid is untouched until
    // the tick appends the room.
    Editor editor;
    editor.Timer1->stop();
    editor.mistnost.nastav(0, 5, 1);
    editor.mistnost.nastav(12, 7, 140);
    const Mistnost predtim = editor.mistnost;
    const bool otevreno =
        pomoc::veModalnimOkne([&] { editor.ulozit_Click(); },
                              [](QWidget *okno) {
                                  auto *dialog = qobject_cast<Zapsani *>(okno);
                                  if (!dialog)
                                      return;
                                  dialog->Text1->setText(QStringLiteral("NOVY.DAT"));
                                  dialog->Text2->setText(QStringLiteral("abc"));
                                  dialog->Command1->click();
                              });
    QVERIFY(otevreno);
    QTRY_VERIFY(editor.zapsani.isNull());
    QVERIFY(promenne.pozadavek_zapsani);
    QCOMPARE(promenne.soubor_zapsani, slozka_->soubor(QStringLiteral("NOVY.DAT")));
    QCOMPARE(promenne.nazev_mistnosti, QStringLiteral("abc"));
    QVERIFY(editor.mistnost == predtim);
    QVERIFY(!QFile::exists(promenne.soubor_zapsani));

    editor.Timer1_Timer();
    QVERIFY(!promenne.pozadavek_zapsani);
    QFile soubor(slozka_->soubor(QStringLiteral("NOVY.DAT")));
    QVERIFY(soubor.open(QIODevice::ReadOnly));
    const QByteArray obsah = soubor.readAll();
    QCOMPARE(obsah.size(), 650);
    QCOMPARE(obsah.left(50), pomoc::nazev50("abc"));
    QCOMPARE(int(obsah[50 + 5]), 1);
    QCOMPARE(quint8(obsah[50 + 12 * 20 + 7]), quint8(140));
}

void TestZapsani::otevreni() {
    QVERIFY(pomoc::zapis(slozka_->soubor(QStringLiteral("A.DAT")), pomoc::zaznam("a")));
    {
        // First save after start: nothing to propose.
        Zapsani dialog;
        QVERIFY(dialog.Text1->text().isEmpty());
        QVERIFY(dialog.Text2->text().isEmpty());
    }
    promenne.nazev_souboru = QStringLiteral("ROOMS.DAT");
    promenne.nazev_mistnosti = QStringLiteral("sklep   ");
    Zapsani dialog;
    QCOMPARE(dialog.Text1->text(), QStringLiteral("ROOMS.DAT"));
    QCOMPARE(dialog.Text2->text(), QStringLiteral("sklep   "));
    QCOMPARE(dialog.seznamy->cesta(), slozka_->cesta());
    QCOMPARE(dialog.File1->model()->rowCount(), 1);
    QCOMPARE(dialog.seznamy->vybranySoubor(), QString());
}

void TestZapsani::klikNaSoubor_data() {
    QTest::addColumn<QString>("soubor");
    QTest::addColumn<QString>("nazev");
    const QString aktualni = QStringLiteral("aktuální  ");
    QTest::newRow("jedna mistnost") << "A.DAT" << QString::fromLatin1(pomoc::nazev50("Prvni sal"));
    QTest::newRow("cesky nazev") << "F.dat" << QStringLiteral("Žábový sál").leftJustified(50, u' ');
    QTest::newRow("dve mistnosti") << "B.DAT" << aktualni;
    QTest::newRow("prazdny") << "D.dat" << aktualni;
    QTest::newRow("neplatna delka") << "E.DAT" << aktualni;
    QTest::newRow("Dat") << "C.Dat" << QString();
    QTest::newRow("txt") << "NOTES.TXT" << QString();
}

void TestZapsani::klikNaSoubor() {
    QFETCH(QString, soubor);
    QFETCH(QString, nazev);
    QVERIFY(pomoc::zapis(slozka_->soubor("A.DAT"), pomoc::zaznam("Prvni sal", 1)));
    QVERIFY(pomoc::zapis(slozka_->soubor("B.DAT"), pomoc::zaznam("x") + pomoc::zaznam("y")));
    QVERIFY(pomoc::zapis(slozka_->soubor("C.Dat"), pomoc::zaznam("c")));
    // The name in Windows-1250.
    QVERIFY(pomoc::zapis(slozka_->soubor("F.dat"), pomoc::zaznam("\x8e\xe1"
                                                                 "bov\xfd"
                                                                 " s\xe1"
                                                                 "l")));
    QVERIFY(pomoc::zapis(slozka_->soubor("D.dat"), {}));
    QVERIFY(pomoc::zapis(slozka_->soubor("E.DAT"), pomoc::zaznam("e") + "!"));
    QVERIFY(pomoc::zapis(slozka_->soubor("NOTES.TXT"), pomoc::zaznam("n")));
    promenne.nazev_mistnosti = QStringLiteral("aktuální  ");

    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Text1->setText(QStringLiteral("predtim"));
    dialog.Text2->setText(QStringLiteral("jine"));
    QVERIFY(pomoc::klikniSoubor(dialog.File1, soubor));
    QCOMPARE(dialog.Text1->text(), soubor);
    QCOMPARE(dialog.Text2->text(), nazev);
    // A click asks for nothing.
    QVERIFY(dialog.isVisible());
    QVERIFY(!promenne.pozadavek_zapsani);
    QCOMPARE(promenne.nazev_mistnosti, QStringLiteral("aktuální  "));
}

void TestZapsani::klavesniceAOpakovanyKlik() {
    QVERIFY(pomoc::zapis(slozka_->soubor("A.DAT"), pomoc::zaznam("Prvni")));
    QVERIFY(pomoc::zapis(slozka_->soubor("b.txt"), {}));
    QVERIFY(pomoc::zapis(slozka_->soubor("C.DAT"), pomoc::zaznam("Treti")));
    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(pomoc::klikniSoubor(dialog.File1, "A.DAT"));
    QCOMPARE(dialog.Text2->text(), QString::fromLatin1(pomoc::nazev50("Prvni")));
    QTest::keyClick(dialog.File1, Qt::Key_Down);
    QCOMPARE(dialog.Text1->text(), QStringLiteral("b.txt"));
    QVERIFY(dialog.Text2->text().isEmpty());
    QTest::keyClick(dialog.File1, Qt::Key_Down);
    QCOMPARE(dialog.Text1->text(), QStringLiteral("C.DAT"));
    QCOMPARE(dialog.Text2->text(), QString::fromLatin1(pomoc::nazev50("Treti")));

    // Clicking the entry that is already selected fills the boxes again.
    dialog.Text1->setText(QStringLiteral("prepsano"));
    QVERIFY(pomoc::klikniSoubor(dialog.File1, "C.DAT"));
    QCOMPARE(dialog.Text1->text(), QStringLiteral("C.DAT"));
}

void TestZapsani::zmizelySoubor() {
    QVERIFY(pomoc::zapis(slozka_->soubor("A.DAT"), pomoc::zaznam("Prvni")));
    QVERIFY(pomoc::zapis(slozka_->soubor("Z.DAT"), pomoc::zaznam("Zmizi")));
    promenne.nazev_mistnosti = QStringLiteral("aktualni");
    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(QFile::remove(slozka_->soubor("Z.DAT")));
    QVERIFY(pomoc::klikniSoubor(dialog.File1, "Z.DAT"));
    QCOMPARE(dialog.Text1->text(), QStringLiteral("Z.DAT"));
    QVERIFY(dialog.Text2->text().isEmpty());
    // Still usable.
    QVERIFY(pomoc::klikniSoubor(dialog.File1, "A.DAT"));
    QCOMPARE(dialog.Text2->text(), QString::fromLatin1(pomoc::nazev50("Prvni")));
}

void TestZapsani::ulozitBezPripony() {
    promenne.nazev_mistnosti = QStringLiteral("stara");
    promenne.soubor_nacteni = QStringLiteral("/jinde/ROOMS.DAT");
    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Text1->setText(QStringLiteral("LEVELS"));
    dialog.Text2->setText(QStringLiteral(" Nová místnost "));
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(promenne.pozadavek_zapsani);
    QCOMPARE(promenne.soubor_zapsani, slozka_->soubor(QStringLiteral("LEVELS")));
    QCOMPARE(promenne.nazev_mistnosti, QStringLiteral(" Nová místnost "));
    QCOMPARE(promenne.soubor_nacteni, QStringLiteral("/jinde/ROOMS.DAT"));
    QVERIFY(!QFile::exists(promenne.soubor_zapsani)); // the tick writes, not the dialog
}

void TestZapsani::ulozitDoPodslozky() {
    QVERIFY(QDir(slozka_->cesta()).mkdir(QStringLiteral("hra")));
    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QString hra = slozka_->soubor(QStringLiteral("hra"));
    QVERIFY(pomoc::otevriSlozku(dialog.Dir1, hra));
    QCOMPARE(dialog.seznamy->cesta(), hra);
    dialog.Text1->setText(QStringLiteral("ROOMS.DAT"));
    dialog.Command1->click();
    QCOMPARE(promenne.soubor_zapsani, QDir(hra).filePath(QStringLiteral("ROOMS.DAT")));
    QVERIFY(promenne.pozadavek_zapsani);
}

void TestZapsani::ulozitNic_data() {
    QTest::addColumn<QString>("soubor");
    QTest::newRow("prazdny") << "";
    QTest::newRow("slozka") << "hra";
    QTest::newRow("tato slozka") << ".";
    QTest::newRow("nadrazena") << "..";
}

void TestZapsani::ulozitNic() {
    QFETCH(QString, soubor);
    QVERIFY(QDir(slozka_->cesta()).mkdir(QStringLiteral("hra")));
    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Text1->setText(soubor);
    dialog.Text2->setText(QStringLiteral("jmeno"));
    dialog.Command1->click();
    QVERIFY(dialog.isVisible());
    QVERIFY(!promenne.pozadavek_zapsani);
    QVERIFY(promenne.soubor_zapsani.isEmpty());
    QVERIFY(promenne.nazev_mistnosti.isEmpty());
}

void TestZapsani::zrusit() {
    promenne.pozadavek_zapsani = true;
    promenne.soubor_zapsani = QStringLiteral("/a/X.DAT");
    promenne.nazev_mistnosti = QStringLiteral("puvodni");
    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Text1->setText(QStringLiteral("JINY.DAT"));
    dialog.Text2->setText(QStringLiteral("jiny"));
    QTest::mouseClick(dialog.Command2, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!promenne.pozadavek_zapsani);
    QCOMPARE(promenne.soubor_zapsani, QStringLiteral("/a/X.DAT"));
    QCOMPARE(promenne.nazev_mistnosti, QStringLiteral("puvodni"));
}

void TestZapsani::enterNeuklada() {
    Zapsani dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Text1->setText(QStringLiteral("X.DAT"));
    for (QWidget *ovladac :
         {static_cast<QWidget *>(dialog.Text1), static_cast<QWidget *>(dialog.Text2),
          static_cast<QWidget *>(dialog.Command1)}) {
        ovladac->setFocus();
        QTest::keyClick(ovladac, Qt::Key_Return);
        QTest::keyClick(ovladac, Qt::Key_Enter);
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(!promenne.pozadavek_zapsani);
}

void TestZapsani::zavreniJinakNicNemeni() {
    // Esc or the window's close button: no request raised, none cleared.
    for (const bool esc : {true, false}) {
        promenne.pozadavek_zapsani = true;
        Zapsani dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Text1->setText(QStringLiteral("X.DAT"));
        if (esc)
            QTest::keyClick(dialog.Text1, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QVERIFY(promenne.pozadavek_zapsani);
        QVERIFY(promenne.soubor_zapsani.isEmpty());
    }
}

QTEST_MAIN(TestZapsani)
#include "test_zapsani.moc"
