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
    static constexpr const char *schemata[] = {"http", "https", "mailto"};

public slots: // stands in for the desktop's handler of addresses (not a test)
    void otevri(const QUrl &adresa) { adresy.append(adresa); }

private slots:
    void cleanupTestCase() {
        for (const char *schema : schemata)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
    }

    // Five paragraphs, an empty line after the first only, each with its set
    // phrases, shown wrapped.
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

    // The title in bold; a link, underlined under a pointing hand, hands its exact address to
    // the desktop and leaves the window open, click after click; another button does nothing.
    void odkazy() {
        for (const char *schema : schemata)
            QDesktopServices::setUrlHandler(QString::fromLatin1(schema), this, "otevri");
        Autor a;
        QVERIFY(a.Label1->font().bold() && !a.Label2->font().bold());
        for (const QLabel *odkaz : {a.lblHomepage, a.lblEmail})
            QVERIFY(odkaz->font().underline() && odkaz->cursor().shape() == Qt::PointingHandCursor);
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
