#include "info/autor.h"
#include "info/navod.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QUrl>
#include <memory>

using namespace vinula;

class TestInfo : public QObject {
    Q_OBJECT
    QList<QUrl> adresy;

public slots: // stands in for the desktop's handler of addresses (not a test)
    void otevri(const QUrl &adresa) { adresy.append(adresa); }

private slots:
    // Five paragraphs, an empty line after the first only, each with its set
    // phrases; wrapped in Label1 the whole text fits.
    void navod() {
        const char *fraze[] = {
            "EDITOR slouží k vytváření místností do hry VINULA",
            "",
            "Hlavním ovládacím prvkem programu je myš.|nabídka předmětů|mřížku",
            "klávesa SHIFT",
            "pouze u okrajů hrací plochy",
            "Při ukládání místnosti na disk|Důrazně doporučuji užívat příponu DAT"};
        const QStringList radky = Navod::text().split(QLatin1Char('\n'));
        QCOMPARE(radky.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(radky[i].isEmpty(), i == 1);
            QCOMPARE(radky[i], radky[i].trimmed());
            for (const QString &f : QString::fromUtf8(fraze[i]).split('|', Qt::SkipEmptyParts))
                QVERIFY2(radky[i].contains(f), qPrintable(f));
        }
        Navod n;
        QCOMPARE(n.Label1->text(), Navod::text());
        QVERIFY(n.Label1->wordWrap());
        QVERIFY(n.Label1->fontMetrics()
                    .boundingRect(QRect(0, 0, 597, 10000), Qt::TextWordWrap, Navod::text())
                    .height() <= 241);
    }

    void klik_data() {
        QTest::addColumn<bool>("oAplikaci");
        QTest::addColumn<QString>("cil"); // a child, or empty: the background
        QTest::addColumn<Qt::MouseButton>("tlacitko");
        QTest::newRow("help, text") << false << "Label1" << Qt::LeftButton;
        QTest::newRow("help, background") << false << "" << Qt::MiddleButton;
        QTest::newRow("about, fish") << true << "Picture1" << Qt::LeftButton;
        QTest::newRow("about, background") << true << "" << Qt::RightButton;
    }

    // A click with any button closes either window (links aside).
    void klik() {
        QFETCH(bool, oAplikaci);
        QFETCH(QString, cil);
        QFETCH(Qt::MouseButton, tlacitko);
        std::unique_ptr<QDialog> okno(oAplikaci ? static_cast<QDialog *>(new Autor) : new Navod);
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
        QWidget *w = cil.isEmpty() ? okno.get() : okno->findChild<QWidget *>(cil);
        QTest::mouseClick(w, tlacitko, {}, cil.isEmpty() ? QPoint(okno->width() - 3, 3) : QPoint());
        QVERIFY(!okno->isVisible());
    }

    // A link hands its exact address to the desktop and leaves the window
    // open, click after click; another button on a link does nothing.
    void odkazy() {
        for (const char *schema : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(schema), this, "otevri");
        Autor a;
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        for (QLabel *odkaz : {a.lblHomepage, a.lblEmail, a.lblHomepage})
            QTest::mouseClick(odkaz, Qt::LeftButton);
        QTest::mouseClick(a.lblEmail, Qt::RightButton);
        QVERIFY(a.isVisible());
        const QUrl domov(QStringLiteral("http://" VINULA_HOMEPAGE)); // given without a scheme
        QCOMPARE(adresy, (QList<QUrl>{domov, QUrl("mailto:" VINULA_EMAIL), domov}));
    }
};

QTEST_MAIN(TestInfo)
#include "test_info.moc"
