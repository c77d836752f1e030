#include "../modalni.h"
#include "info/autor.h"
#include "info/navod.h"
#include "main/editor.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QUrl>

using namespace vinula;

// Stands in for the desktop's handler of addresses.
class Prohlizec : public QObject {
    Q_OBJECT
public:
    QList<QUrl> adresy;
public slots:
    void otevri(const QUrl &adresa) { adresy.append(adresa); }
};

namespace {

struct Poloha {
    const char *jmeno;
    QRect kde;
};

} // namespace

class TestInfo : public QObject {
    Q_OBJECT
private slots:
    void navodRozlozeni();
    void navodText();
    void navodZavreKlik_data();
    void navodZavreKlik();
    void autorRozlozeni();
    void autorPisma();
    void autorObrazek();
    void autorZavreKlik_data();
    void autorZavreKlik();
    void odkazyOtevrouAdresu();
    void prikazyOtevrouAZavrou_data();
    void prikazyOtevrouAZavrou();
};

void TestInfo::navodRozlozeni() {
    Navod n;
    QCOMPARE(n.windowTitle(), QStringLiteral("Popis editoru"));
    QCOMPARE(n.size(), QSize(614, 263));
    QCOMPARE(n.Label1->objectName(), QStringLiteral("Label1"));
    QCOMPARE(n.Label1->geometry(), QRect(7, 14, 597, 241));
    QCOMPARE(n.Label1->text(), Navod::text());
    QVERIFY(n.Label1->wordWrap());
    // Wrapped at the label's width, the whole text fits its height.
    const QRect potreba = n.Label1->fontMetrics().boundingRect(
        QRect(0, 0, n.Label1->width(), 10000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
        n.Label1->text());
    QVERIFY2(potreba.height() <= n.Label1->height(), qPrintable(QString::number(potreba.height())));
}

// Five paragraphs, an empty line after the first only, each with its set
// phrases.
void TestInfo::navodText() {
    const QStringList radky = Navod::text().split(QLatin1Char('\n'));
    QCOMPARE(radky.size(), 6);
    QVERIFY(radky[1].isEmpty());
    const QStringList odstavce{radky[0], radky[2], radky[3], radky[4], radky[5]};
    for (const QString &odstavec : odstavce) {
        QVERIFY(!odstavec.trimmed().isEmpty());
        QCOMPARE(odstavec, odstavec.trimmed());
    }
    const QList<QStringList> fraze{
        {"EDITOR slouží k vytváření místností do hry VINULA"},
        {"Hlavním ovládacím prvkem programu je myš.", "nabídka předmětů", "mřížku"},
        {"klávesa SHIFT"},
        {"pouze u okrajů hrací plochy"},
        {"Při ukládání místnosti na disk", "Důrazně doporučuji užívat příponu DAT"},
    };
    for (int i = 0; i < 5; ++i)
        for (const QString &f : fraze[i])
            QVERIFY2(odstavce[i].contains(f), qPrintable(f));
    QVERIFY(odstavce[0].startsWith(QStringLiteral("EDITOR")));
    QVERIFY(odstavce[1].startsWith(QStringLiteral("Hlavním ovládacím prvkem programu je myš.")));
    QVERIFY(odstavce[4].startsWith(QStringLiteral("Při ukládání místnosti na disk")));
}

void TestInfo::navodZavreKlik_data() {
    QTest::addColumn<bool>("naText");
    QTest::addColumn<Qt::MouseButton>("tlacitko");
    QTest::newRow("text, left") << true << Qt::LeftButton;
    QTest::newRow("text, right") << true << Qt::RightButton;
    QTest::newRow("background, left") << false << Qt::LeftButton;
    QTest::newRow("background, right") << false << Qt::RightButton;
    QTest::newRow("background, middle") << false << Qt::MiddleButton;
}

void TestInfo::navodZavreKlik() {
    QFETCH(bool, naText);
    QFETCH(Qt::MouseButton, tlacitko);
    Navod n;
    n.show();
    QVERIFY(QTest::qWaitForWindowExposed(&n));
    if (naText)
        QTest::mouseClick(n.Label1, tlacitko, {}, QPoint(300, 200));
    else
        QTest::mouseClick(&n, tlacitko, {}, QPoint(610, 5));
    QVERIFY(!n.isVisible());
}

void TestInfo::autorRozlozeni() {
    Autor a;
    QCOMPARE(a.windowTitle(), QStringLiteral("O aplikaci"));
    QCOMPARE(a.size(), QSize(327, 168));
    const Poloha tabulka[] = {
        {"Label1", {16, 16, 151, 25}},      {"Label2", {24, 48, 134, 17}},
        {"lblHomepage", {24, 96, 105, 13}}, {"lblEmail", {24, 112, 117, 13}},
        {"Picture1", {184, 16, 129, 105}},
    };
    for (const Poloha &p : tabulka) {
        auto *w = a.findChild<QWidget *>(QLatin1String(p.jmeno));
        QVERIFY2(w, p.jmeno);
        QCOMPARE(w->geometry(), p.kde);
    }
    QCOMPARE(a.Label1->text(), QStringLiteral("VINULA - editor"));
    QVERIFY(a.Label2->text().contains(QStringLiteral("1.1")));
    QCOMPARE(a.lblHomepage->text(), QStringLiteral(VINULA_HOMEPAGE));
    QCOMPARE(a.lblEmail->text(), QStringLiteral(VINULA_EMAIL));
    // The default addresses and the title are read whole.
    for (QLabel *l : {a.Label1, a.Label2, a.lblHomepage, a.lblEmail})
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                 qPrintable(l->objectName()));
}

void TestInfo::autorPisma() {
    Autor a;
    const QFont titul = a.Label1->font();
    QCOMPARE(titul.families().value(0), QStringLiteral("MS Sans Serif"));
    QVERIFY(titul.families().size() > 1); // and a font that exists here
    QVERIFY(titul.bold());
    QCOMPARE(titul.pointSizeF(), 13.5);
    for (QLabel *odkaz : {a.lblHomepage, a.lblEmail}) {
        QCOMPARE(odkaz->font().pointSizeF(), 8.25);
        QVERIFY(odkaz->font().underline());
        QVERIFY(odkaz->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(odkaz->cursor().shape(), Qt::PointingHandCursor);
    }
    QVERIFY(!a.Label1->font().underline());
    QVERIFY(!a.testAttribute(Qt::WA_SetCursor));
}

// The fish: 121 x 100 pixels in two colours, in the picture box's corner.
void TestInfo::autorObrazek() {
    Autor a;
    const QPixmap ryba = a.Picture1->pixmap();
    QCOMPARE(ryba.size(), QSize(121, 100));
    const QImage obraz = ryba.toImage();
    QSet<QRgb> barvy;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            barvy.insert(obraz.pixel(x, y));
    QCOMPARE(barvy.size(), 2);
    QVERIFY(a.Picture1->contentsRect().width() >= 121);
    QVERIFY(a.Picture1->contentsRect().height() >= 100);
}

void TestInfo::autorZavreKlik_data() {
    QTest::addColumn<QString>("cil");
    QTest::addColumn<Qt::MouseButton>("tlacitko");
    for (const char *cil : {"Label1", "Label2", "Picture1", "autor"}) {
        QTest::addRow("%s, left", cil) << QString::fromLatin1(cil) << Qt::LeftButton;
        QTest::addRow("%s, right", cil) << QString::fromLatin1(cil) << Qt::RightButton;
    }
}

void TestInfo::autorZavreKlik() {
    QFETCH(QString, cil);
    QFETCH(Qt::MouseButton, tlacitko);
    Autor a;
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    if (cil == QLatin1String("autor")) {
        QTest::mouseClick(&a, tlacitko, {}, QPoint(300, 150));
    } else {
        auto *w = a.findChild<QWidget *>(cil);
        QVERIFY(w);
        QTest::mouseClick(w, tlacitko);
    }
    QVERIFY(!a.isVisible());
}

// A link hands its address to the desktop and leaves the window open, click
// after click; other buttons on a link do nothing.
void TestInfo::odkazyOtevrouAdresu() {
    Prohlizec prohlizec;
    for (const char *schema : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(schema), &prohlizec, "otevri");

    Autor a;
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QTest::mouseClick(a.lblHomepage, Qt::LeftButton);
    QVERIFY(a.isVisible());
    QTest::mouseClick(a.lblEmail, Qt::LeftButton);
    QVERIFY(a.isVisible());
    QTest::mouseClick(a.lblHomepage, Qt::LeftButton);
    QTest::mouseClick(a.lblEmail, Qt::RightButton);
    QVERIFY(a.isVisible());

    const QUrl domov = QUrl::fromUserInput(QStringLiteral(VINULA_HOMEPAGE));
    const QUrl posta(QStringLiteral("mailto:" VINULA_EMAIL));
    QCOMPARE(prohlizec.adresy, (QList<QUrl>{domov, posta, domov}));
    QCOMPARE(posta.toString(), QStringLiteral("mailto:") + QStringLiteral(VINULA_EMAIL));
    QVERIFY(domov.scheme() == QLatin1String("http") || domov.scheme() == QLatin1String("https"));
    QVERIFY(domov.toString().contains(QStringLiteral(VINULA_HOMEPAGE)));

    for (const char *schema : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
}

void TestInfo::prikazyOtevrouAZavrou_data() {
    QTest::addColumn<bool>("oAplikaci");
    QTest::newRow("help") << false;
    QTest::newRow("about") << true;
}

// From the menu: shown modally, held by the main window while open, gone
// after a click.
void TestInfo::prikazyOtevrouAZavrou() {
    QFETCH(bool, oAplikaci);
    Editor e;
    e.Timer1->stop();
    QPointer<QDialog> &drzak = oAplikaci ? e.autor : e.Navod;
    const bool probehlo = sModalnimOknem(
        [&] { (oAplikaci ? e.oaplikaci : e.popis)->trigger(); },
        [&](QWidget *okno) {
            QCOMPARE(drzak.data(), okno);
            QCOMPARE(okno->windowTitle(),
                     oAplikaci ? QStringLiteral("O aplikaci") : QStringLiteral("Popis editoru"));
            QTest::mouseClick(okno, Qt::RightButton, {}, QPoint(3, 3));
        });
    QVERIFY(probehlo);
    QTRY_VERIFY(drzak.isNull());
}

QTEST_MAIN(TestInfo)
#include "test_info.moc"
