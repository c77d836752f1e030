#include "dialogs/nacteni.h"
#include "dialogs/zapsani.h"
#include "room/promenne.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace vinula;

// The fixed layouts of the two file dialogs, in twips as they were drawn up.
class TestRozlozeni : public QObject {
    Q_OBJECT
private slots:
    void init() { promenne = Promenne{}; }

    void okno_data();
    void okno();
    void ovladace_data();
    void ovladace();
    void poradiTabulatoru_data();
    void poradiTabulatoru();
    void tlacitkaNejsouVychozi_data();
    void tlacitkaNejsouVychozi();
};

namespace {

std::unique_ptr<QDialog> vytvor(const QString &dialog) {
    if (dialog == QLatin1String("zapsani"))
        return std::make_unique<Zapsani>();
    return std::make_unique<Nacteni>();
}

QString text(QWidget *ovladac) {
    if (auto *popisek = qobject_cast<QLabel *>(ovladac))
        return popisek->text();
    if (auto *tlacitko = qobject_cast<QAbstractButton *>(ovladac))
        return tlacitko->text();
    if (auto *box = qobject_cast<QLineEdit *>(ovladac))
        return box->text();
    return {};
}

} // namespace

void TestRozlozeni::okno_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("titulek");
    QTest::addColumn<QSize>("velikost");
    QTest::newRow("zapsani") << "zapsani"
                             << "Uložení místnosti na disk" << QSize(4545, 4365) / 15;
    QTest::newRow("nacteni") << "nacteni"
                             << "Načtení místnosti z disku" << QSize(4635, 3915) / 15;
}

void TestRozlozeni::okno() {
    QFETCH(QString, dialog);
    QFETCH(QString, titulek);
    QFETCH(QSize, velikost);
    const auto okno = vytvor(dialog);
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
    QCOMPARE(okno->objectName(), dialog);
    QCOMPARE(okno->windowTitle(), titulek);
    QCOMPARE(okno->size(), velikost);
    QCOMPARE(okno->minimumSize(), velikost);
    QCOMPARE(okno->maximumSize(), velikost);
}

void TestRozlozeni::ovladace_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("ovladac");
    QTest::addColumn<QString>("trida");
    QTest::addColumn<QRect>("twipy");
    QTest::addColumn<QString>("popis");

    const auto radek = [](const char *dialog, const char *ovladac, const char *trida, int l, int t,
                          int w, int h, const QString &popis = QString()) {
        QTest::addRow("%s %s", dialog, ovladac)
            << QString::fromLatin1(dialog) << QString::fromLatin1(ovladac)
            << QString::fromLatin1(trida) << QRect(l, t, w, h) << popis;
    };
    radek("zapsani", "Drive1", "QComboBox", 105, 105, 2010, 315);
    radek("zapsani", "Dir1", "QListWidget", 105, 630, 2010, 1665);
    radek("zapsani", "File1", "vinula::SeznamSouboru", 2310, 105, 2115, 2235);
    radek("zapsani", "Label1", "QLabel", 105, 2655, 1275, 225, QStringLiteral("Název souboru"));
    radek("zapsani", "Label2", "QLabel", 105, 2970, 1275, 225, QStringLiteral("Název místnosti"));
    radek("zapsani", "Text1", "QLineEdit", 1470, 2625, 2955, 285);
    radek("zapsani", "Text2", "QLineEdit", 1470, 2940, 2955, 285);
    radek("zapsani", "Command1", "QPushButton", 105, 3885, 2010, 330, QStringLiteral("&Uložit"));
    radek("zapsani", "Command2", "QPushButton", 2310, 3885, 2115, 330, QStringLiteral("&Zrušit"));
    radek("zapsani", "Label3", "QLabel", 105, 3360, 4320, 435,
          QStringLiteral("V případě, že soubor již existuje, připíše se tato místnost za poslední "
                         "místnost již existujícího souboru."));

    radek("nacteni", "Dir1", "QListWidget", 105, 630, 2115, 1665);
    radek("nacteni", "File1", "vinula::SeznamSouboru", 2415, 105, 2115, 2235);
    radek("nacteni", "Drive1", "QComboBox", 105, 105, 2115, 315);
    radek("nacteni", "Label1", "QLabel", 105, 3045, 1905, 225,
          QStringLiteral("Název zvolené místnosti : "));
    radek("nacteni", "popisek", "QLabel", 2205, 3045, 2325, 225);
    radek("nacteni", "Command1", "QPushButton", 105, 3465, 2115, 330, QStringLiteral("&Načíst"));
    radek("nacteni", "Command2", "QPushButton", 2415, 3465, 2115, 330, QStringLiteral("&Zrušit"));
    radek("nacteni", "Label2", "QLabel", 2415, 2625, 1380, 225,
          QStringLiteral("Zvolená místnost :"));
    radek("nacteni", "Text1", "QLineEdit", 3885, 2625, 645, 285, QStringLiteral("1"));
    radek("nacteni", "Label3", "QLabel", 105, 2625, 1275, 225, QStringLiteral("Počet místností :"));
    radek("nacteni", "Label4", "QLabel", 1365, 2625, 855, 225);
}

void TestRozlozeni::ovladace() {
    QFETCH(QString, dialog);
    QFETCH(QString, ovladac);
    QFETCH(QString, trida);
    QFETCH(QRect, twipy);
    QFETCH(QString, popis);
    const auto okno = vytvor(dialog);
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
    const QList<QWidget *> nalezene = okno->findChildren<QWidget *>(ovladac);
    QCOMPARE(nalezene.size(), 1);
    QWidget *w = nalezene.first();
    QCOMPARE(w->parentWidget(), okno.get());
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), trida);
    QCOMPARE(w->geometry(),
             QRect(twipy.x() / 15, twipy.y() / 15, twipy.width() / 15, twipy.height() / 15));
    QVERIFY(w->isVisible());
    QCOMPARE(text(w), popis);
    // The text fits the control's width in the font the dialog uses.
    if (qobject_cast<QLabel *>(w) && !static_cast<QLabel *>(w)->wordWrap())
        QVERIFY2(w->fontMetrics().horizontalAdvance(popis.trimmed()) <= w->width(),
                 qPrintable(popis));
    if (auto *box = qobject_cast<QLineEdit *>(w))
        QVERIFY(box->maxLength() > 1000000);
}

void TestRozlozeni::poradiTabulatoru_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("poradi");
    // Only the controls that take the focus; labels are skipped by Tab.
    QTest::newRow("zapsani") << "zapsani" << QStringList{"Drive1", "Dir1",     "File1",   "Text1",
                                                         "Text2",  "Command1", "Command2"};
    QTest::newRow("nacteni") << "nacteni" << QStringList{"Dir1",     "File1",    "Drive1",
                                                         "Command1", "Command2", "Text1"};
}

void TestRozlozeni::poradiTabulatoru() {
    QFETCH(QString, dialog);
    QFETCH(QStringList, poradi);
    const auto okno = vytvor(dialog);
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
    okno->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(okno.get()));
    auto *prvni = okno->findChild<QWidget *>(poradi.first());
    QVERIFY(prvni);
    prvni->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), prvni);
    QStringList navstivene{prvni->objectName()};
    // Around once and back to the first.
    for (qsizetype i = 0; i < poradi.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        navstivene.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(navstivene, poradi + QStringList{poradi.first()});
}

void TestRozlozeni::tlacitkaNejsouVychozi_data() {
    QTest::addColumn<QString>("dialog");
    QTest::newRow("zapsani") << "zapsani";
    QTest::newRow("nacteni") << "nacteni";
}

void TestRozlozeni::tlacitkaNejsouVychozi() {
    QFETCH(QString, dialog);
    const auto okno = vytvor(dialog);
    const QList<QPushButton *> tlacitka = okno->findChildren<QPushButton *>();
    QCOMPARE(tlacitka.size(), 2);
    for (QPushButton *tlacitko : tlacitka) {
        QVERIFY(!tlacitko->isDefault());
        QVERIFY(!tlacitko->autoDefault());
    }
}

QTEST_MAIN(TestRozlozeni)
#include "test_rozlozeni.moc"
