#include "pomoc.h"

#include "dialogs/seznamy.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QSignalSpy>
#include <QStorageInfo>
#include <memory>

using namespace vinula;

// The drive, directory and file lists shared by the file dialogs.
class TestSeznamy : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { slozka_.reset(); }

    void otevreniNaAktualniSlozce();
    void stromSlozek();
    void prechodDoSlozky();
    void zmizelaSlozka();
    void disky();
    void jinyDisk();
    void kliknutiNaSoubor();
    void desetTisicSouboru();

private:
    struct Okno {
        QWidget okno;
        Seznamy *seznamy = nullptr;
    };
    std::unique_ptr<Okno> otevri();
    QStringList polozkySlozek(QListWidget *seznam) const;
    QStringList soubory(QListView *seznam) const;

    std::unique_ptr<pomoc::Slozka> slozka_;
};

void TestSeznamy::init() {
    slozka_ = std::make_unique<pomoc::Slozka>();
    QVERIFY(slozka_->platna());
}

std::unique_ptr<TestSeznamy::Okno> TestSeznamy::otevri() {
    auto okno = std::make_unique<Okno>();
    okno->okno.resize(400, 300);
    okno->seznamy = new Seznamy(&okno->okno);
    okno->seznamy->Drive1->setGeometry(5, 5, 140, 21);
    okno->seznamy->Dir1->setGeometry(5, 40, 140, 200);
    okno->seznamy->File1->setGeometry(160, 5, 140, 250);
    okno->okno.show();
    if (!QTest::qWaitForWindowExposed(&okno->okno))
        return nullptr;
    return okno;
}

QStringList TestSeznamy::polozkySlozek(QListWidget *seznam) const {
    QStringList polozky;
    for (int i = 0; i < seznam->count(); ++i)
        polozky.append(seznam->item(i)->text());
    return polozky;
}

QStringList TestSeznamy::soubory(QListView *seznam) const {
    QStringList nazvy;
    for (int i = 0; i < seznam->model()->rowCount(); ++i)
        nazvy.append(seznam->model()->index(i, 0).data().toString());
    return nazvy;
}

void TestSeznamy::otevreniNaAktualniSlozce() {
    QDir tady(slozka_->cesta());
    QVERIFY(tady.mkdir(QStringLiteral("podslozka")));
    for (const char *nazev : {"b.dat", "A.DAT", ".skryty", "C.txt"})
        QVERIFY(pomoc::zapis(tady.filePath(QString::fromLatin1(nazev)), "x"));
    const auto okno = otevri();
    QVERIFY(okno);
    QCOMPARE(okno->seznamy->cesta(), slozka_->cesta());
    // Every file, hidden ones too, by name whatever the case; no folders.
    QCOMPARE(soubory(okno->seznamy->File1), QStringList({".skryty", "A.DAT", "b.dat", "C.txt"}));
    QCOMPARE(Seznamy::souboryVeSlozce(slozka_->cesta()), soubory(okno->seznamy->File1));
    QVERIFY(okno->seznamy->vybranySoubor().isEmpty());
}

void TestSeznamy::stromSlozek() {
    QDir tady(slozka_->cesta());
    for (const char *nazev : {"beta", "Alfa", ".skryta"})
        QVERIFY(tady.mkdir(QString::fromLatin1(nazev)));
    const auto okno = otevri();
    QVERIFY(okno);
    QListWidget *dir = okno->seznamy->Dir1;

    // The way down from the root, then the subfolders of the current one.
    QStringList cesta;
    for (QString s = slozka_->cesta();; s = QFileInfo(s).path()) {
        cesta.prepend(s);
        if (QFileInfo(s).path() == s)
            break;
    }
    const int hloubka = static_cast<int>(cesta.size());
    QCOMPARE(dir->count(), hloubka + 3);
    QCOMPARE(dir->item(0)->text(), QDir::toNativeSeparators(QDir::rootPath()));
    for (int i = 0; i < hloubka; ++i) {
        QCOMPARE(dir->item(i)->data(Qt::UserRole).toString(), cesta[i]);
        QCOMPARE(dir->item(i)->data(Qt::UserRole + 1).toInt(), i);
    }
    QCOMPARE(dir->item(hloubka - 1)->text(), QFileInfo(slozka_->cesta()).fileName());
    QCOMPARE(polozkySlozek(dir).mid(hloubka), QStringList({".skryta", "Alfa", "beta"}));
    QCOMPARE(dir->item(hloubka)->data(Qt::UserRole + 1).toInt(), hloubka);
    QCOMPARE(dir->currentRow(), hloubka - 1);
}

void TestSeznamy::prechodDoSlozky() {
    QDir tady(slozka_->cesta());
    QVERIFY(tady.mkpath(QStringLiteral("hra/uroven")));
    QVERIFY(pomoc::zapis(tady.filePath(QStringLiteral("hra/H.DAT")), "x"));
    const auto okno = otevri();
    QVERIFY(okno);
    QSignalSpy zmeny(okno->seznamy, &Seznamy::slozkaZmenena);
    QSignalSpy disky(okno->seznamy, &Seznamy::diskZmenen);

    // A single click only marks the entry.
    const QString hra = tady.filePath(QStringLiteral("hra"));
    QListWidget *dir = okno->seznamy->Dir1;
    QListWidgetItem *polozka = dir->findItems(QStringLiteral("hra"), Qt::MatchExactly).value(0);
    QVERIFY(polozka);
    QTest::mouseClick(dir->viewport(), Qt::LeftButton, {}, dir->visualItemRect(polozka).center());
    QCOMPARE(okno->seznamy->cesta(), slozka_->cesta());
    QCOMPARE(zmeny.count(), 0);

    QVERIFY(pomoc::otevriSlozku(dir, hra));
    QCOMPARE(okno->seznamy->cesta(), hra);
    QCOMPARE(zmeny.count(), 1);
    QCOMPARE(soubory(okno->seznamy->File1), QStringList({"H.DAT"}));
    QCOMPARE(polozkySlozek(dir).constLast(), QStringLiteral("uroven"));

    // Enter on the parent goes back up.
    dir->setFocus();
    dir->setCurrentRow(dir->currentRow() - 1);
    QTest::keyClick(dir, Qt::Key_Return);
    QCOMPARE(okno->seznamy->cesta(), slozka_->cesta());
    QCOMPARE(zmeny.count(), 2);
    QCOMPARE(disky.count(), 0);
}

void TestSeznamy::zmizelaSlozka() {
    QDir tady(slozka_->cesta());
    QVERIFY(tady.mkpath(QStringLiteral("pryc/vnitrek")));
    QVERIFY(pomoc::zapis(tady.filePath(QStringLiteral("pryc/P.DAT")), "x"));
    const auto okno = otevri();
    QVERIFY(okno);
    const QString pryc = tady.filePath(QStringLiteral("pryc"));
    QVERIFY(QDir(pryc).removeRecursively());
    QVERIFY(pomoc::otevriSlozku(okno->seznamy->Dir1, pryc));
    QCOMPARE(okno->seznamy->cesta(), pryc);
    QCOMPARE(okno->seznamy->File1->model()->rowCount(), 0);
    QCOMPARE(okno->seznamy->Dir1->currentItem()->data(Qt::UserRole).toString(), pryc);
    // Still usable: back to its parent.
    QVERIFY(pomoc::otevriSlozku(okno->seznamy->Dir1, slozka_->cesta()));
    QCOMPARE(okno->seznamy->cesta(), slozka_->cesta());
    QVERIFY(Seznamy::souboryVeSlozce(pryc).isEmpty());
    QVERIFY(Seznamy::souboryVeSlozce(QString()).isEmpty());
    QCOMPARE(Seznamy::delkaSouboru(pryc), -1);
    QCOMPARE(Seznamy::delkaSouboru(slozka_->cesta()), -1);
}

void TestSeznamy::disky() {
    const QStringList koreny = Seznamy::disky();
    QVERIFY(!koreny.isEmpty());
    QStringList serazene = koreny;
    serazene.sort();
    serazene.removeDuplicates();
    QCOMPARE(koreny, serazene);
    const QString tady = QStorageInfo(slozka_->cesta()).rootPath();
    QVERIFY(koreny.contains(tady));

    const auto okno = otevri();
    QVERIFY(okno);
    QComboBox *drive = okno->seznamy->Drive1;
    QCOMPARE(drive->count(), koreny.size());
    QCOMPARE(drive->currentData().toString(), tady);
    QCOMPARE(drive->currentText(), QDir::toNativeSeparators(tady));
}

void TestSeznamy::jinyDisk() {
    // A stand-in volume, so the test reads no real mount but its own.
    QDir tady(slozka_->cesta());
    QVERIFY(tady.mkpath(QStringLiteral("svazek/data")));
    const QString svazek = tady.filePath(QStringLiteral("svazek"));
    const auto okno = otevri();
    QVERIFY(okno);
    QComboBox *drive = okno->seznamy->Drive1;
    const QString puvodni = drive->currentData().toString();
    drive->addItem(QStringLiteral("svazek"), svazek);
    const int jiny = drive->count() - 1;

    QSignalSpy disky(okno->seznamy, &Seznamy::diskZmenen);
    QSignalSpy zmeny(okno->seznamy, &Seznamy::slozkaZmenena);
    okno->seznamy->zvolDisk(jiny);
    QCOMPARE(okno->seznamy->cesta(), svazek);
    QCOMPARE(disky.count(), 1);
    QCOMPARE(zmeny.count(), 1);
    QCOMPARE(okno->seznamy->Dir1->currentItem()->data(Qt::UserRole).toString(), svazek);
    // The directory list shows which real volume it is on.
    QCOMPARE(drive->currentData().toString(), puvodni);

    // Back on the drive it came from, the list returns to where it was.
    QVERIFY(
        pomoc::otevriSlozku(okno->seznamy->Dir1, QDir(svazek).filePath(QStringLiteral("data"))));
    okno->seznamy->zvolDisk(drive->findData(puvodni));
    QCOMPARE(okno->seznamy->cesta(), QDir(svazek).filePath(QStringLiteral("data")));
    okno->seznamy->zvolDisk(-1); // out of range: ignored
    okno->seznamy->zvolDisk(drive->count());
    QCOMPARE(disky.count(), 2);
}

void TestSeznamy::kliknutiNaSoubor() {
    for (const char *nazev : {"A.DAT", "B.DAT", "C.DAT"})
        QVERIFY(pomoc::zapis(slozka_->soubor(QString::fromLatin1(nazev)), "x"));
    const auto okno = otevri();
    QVERIFY(okno);
    QSignalSpy kliky(okno->seznamy, &Seznamy::souborKliknut);
    SeznamSouboru *file = okno->seznamy->File1;

    file->setFocus(Qt::TabFocusReason);
    QCOMPARE(kliky.count(), 0);
    QVERIFY(pomoc::klikniSoubor(file, QStringLiteral("B.DAT")));
    QCOMPARE(kliky.count(), 1);
    QCOMPARE(kliky.last().at(0).toString(), QStringLiteral("B.DAT"));
    QVERIFY(pomoc::klikniSoubor(file, QStringLiteral("B.DAT")));
    QCOMPARE(kliky.count(), 2);
    // Ctrl+click is a click too, and the entry stays selected.
    const QModelIndex b = file->model()->index(pomoc::radekSouboru(file, "B.DAT"), 0);
    QTest::mouseClick(file->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      file->visualRect(b).center());
    QCOMPARE(kliky.count(), 3);
    QCOMPARE(okno->seznamy->vybranySoubor(), QStringLiteral("B.DAT"));
    QTest::keyClick(file, Qt::Key_Down);
    QCOMPARE(kliky.count(), 4);
    QCOMPARE(kliky.last().at(0).toString(), QStringLiteral("C.DAT"));
    QTest::keyClick(file, Qt::Key_Down); // already the last entry
    QCOMPARE(kliky.count(), 4);
    QTest::keyClick(file, Qt::Key_Home);
    QCOMPARE(kliky.last().at(0).toString(), QStringLiteral("A.DAT"));
    QCOMPARE(okno->seznamy->vybranySoubor(), QStringLiteral("A.DAT"));
    // A click on empty space below the entries is no file click.
    const int pred = static_cast<int>(kliky.count());
    QTest::mouseClick(file->viewport(), Qt::LeftButton, {},
                      QPoint(5, file->viewport()->height() - 3));
    QCOMPARE(kliky.count(), pred);
}

void TestSeznamy::desetTisicSouboru() {
    QDir tady(slozka_->cesta());
    QVERIFY(tady.mkdir(QStringLiteral("mnoho")));
    const QString mnoho = tady.filePath(QStringLiteral("mnoho"));
    for (int i = 0; i < 10000; ++i) {
        QFile soubor(
            QDir(mnoho).filePath(QStringLiteral("R%1.DAT").arg(i, 5, 10, QLatin1Char('0'))));
        QVERIFY(soubor.open(QIODevice::WriteOnly));
    }
    QElapsedTimer hodiny;
    hodiny.start();
    const QStringList nazvy = Seznamy::souboryVeSlozce(mnoho);
    QCOMPARE(nazvy.size(), 10000);
    QCOMPARE(nazvy.first(), QStringLiteral("R00000.DAT"));
    QCOMPARE(nazvy.last(), QStringLiteral("R09999.DAT"));

    const auto okno = otevri();
    QVERIFY(okno);
    QVERIFY(pomoc::otevriSlozku(okno->seznamy->Dir1, mnoho));
    QCOMPARE(okno->seznamy->File1->model()->rowCount(), 10000);
    okno->seznamy->File1->scrollToBottom();
    QVERIFY(pomoc::klikniSoubor(okno->seznamy->File1, QStringLiteral("R09999.DAT")));
    QCOMPARE(okno->seznamy->vybranySoubor(), QStringLiteral("R09999.DAT"));
    // Generous even for a sanitized debug build on a busy machine; a stat or
    // a widget per file would blow it.
    QVERIFY2(hodiny.elapsed() < 5000, qPrintable(QString::number(hodiny.elapsed())));
    qInfo("10 000 files listed and shown in %lld ms", hodiny.elapsed());
}

QTEST_MAIN(TestSeznamy)
#include "test_seznamy.moc"
