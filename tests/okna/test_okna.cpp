#include "dialogs/nacteni.h"
#include "dialogs/rozmisteni.h"
#include "dialogs/zapsani.h"
#include "info/autor.h"
#include "info/navod.h"
#include "items/predmety.h"
#include "okna/preklad.h"
#include "okna/rozvrzeni.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTranslator>
#include <QUrl>
#include <memory>

using namespace vinula;

namespace {

// The text lies whole within the label, line box and ink, so that no háček is cut off.
bool vejdeSe(const QLabel *l) {
    const QFontMetrics miry(l->font());
    const QRect misto = l->contentsRect();
    const int zarovnani = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect inkoust = miry.tightBoundingRect(l->text());
    return misto.contains(miry.boundingRect(misto, zarovnani, l->text())) &&
           -inkoust.top() <= miry.ascent() && inkoust.bottom() < miry.descent();
}

} // namespace

using Okno = std::shared_ptr<QWidget>;
Q_DECLARE_METATYPE(Okno)

// The windows with a fixed layout: their texts and places, fonts, clicks and links.
class TestOkna : public QObject {
    Q_OBJECT
    QTranslator *preklad = nullptr;
    QList<QUrl> adresy;
    static constexpr const char *schemata[] = {"http", "https", "mailto"};

public:
    // A 192-dpi screen without Qt's scaling: fonts in points grow there, pixel layouts must not.
    static void initMain() {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VINULA_OBRAZOVKA_192);
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }

public slots: // stands in for the desktop's handler of addresses (not a test)
    void otevri(const QUrl &adresa) { adresy.append(adresa); }

private slots:
    void initTestCase() {
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false); // which QTEST_MAIN sets
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 192);
        preklad = nainstalujCestinu(); // as the program does at start
        for (const char *schema : schemata)
            QDesktopServices::setUrlHandler(QString::fromLatin1(schema), this, "otevri");
    }
    void cleanupTestCase() {
        for (const char *schema : schemata)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
    }
    // Qt's own menu of a text box is Czech from the translation built into the program.
    void nabidka() {
        QVERIFY(preklad && preklad->filePath().startsWith(QLatin1String(":/")));
        QLineEdit pole("text");
        pole.show();
        pole.selectAll();
        QContextMenuEvent klik(QContextMenuEvent::Mouse, {5, 5}, pole.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&pole, &klik);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList polozky;
        for (const QAction *a : menu->actions())
            if (!a->isSeparator())
                polozky.append(a->text().section(QLatin1Char('\t'), 0, 0)); // less the shortcut
        menu->close();
        QCOMPARE(polozky, (QStringList{"&Zpět", "&Znovu", "&Vyjmout", "&Kopírovat", "&Vložit",
                                       "Smazat", "Vybrat vše"}));
    }
    void rozlozeni_data() {
        QTest::addColumn<Okno>("w");
        QTest::addColumn<QString>("titulek");
        QTest::addColumn<QSize>("velikost");
        // Name, left, top, width, height in twips, text ("…": not looked at); tab order kept.
        QTest::addColumn<QString>("ovladace");
        QTest::newRow("zapsani") << Okno(new Zapsani) << "Uložení místnosti na disk"
                                 << QSize(4545, 4365) << R"(
Drive1 105 105 2010 315; Dir1 105 630 2010 1665; File1 2310 105 2115 2235
Label1 105 2655 1275 225 Název souboru; Label2 105 2970 1275 225 Název místnosti
Text1 1470 2625 2955 285; Text2 1470 2940 2955 285; Command1 105 3885 2010 330 &Uložit
Command2 2310 3885 2115 330 &Zrušit; Label3 105 3360 4320 435 V případě, že soubor již existuje, připíše se tato místnost za poslední místnost již existujícího souboru.)";
        QTest::newRow("nacteni") << Okno(new Nacteni) << "Načtení místnosti z disku"
                                 << QSize(4635, 3915) << R"(
Dir1 105 630 2115 1665; File1 2415 105 2115 2235; Drive1 105 105 2115 315
Command1 105 3465 2115 330 &Načíst; Command2 2415 3465 2115 330 &Zrušit; Text1 3885 2625 645 285 1
Label1 105 3045 1905 225 Název zvolené místnosti :; popisek 2205 3045 2325 225
Label2 2415 2625 1380 225 Zvolená místnost :; Label3 105 2625 1275 225 Počet místností :
Label4 1365 2625 855 225)";
        QTest::newRow("rozmisteni")
            << Okno(new Rozmisteni) << "Náhodné rozmístění navoleného předmětu" << QSize(4515, 2655)
            << R"(
Command1 105 2205 2115 330 &Rozmístit; Command2 2310 2205 2115 330 &Zrušit
Text1 2100 105 540 285 0; Text2 3255 105 540 285 29; Text3 2100 630 540 285 0
Text4 3255 630 540 285 19; Text5 2100 1155 1695 285 10; Check1 3570 1680 225 225
Label1 525 105 750 225 Řádek; Label6 1680 105 225 225 od; Label2 2835 105 225 225 do
Label3 525 630 855 225 Sloupec; Label7 1680 630 225 225 od; Label4 2835 630 225 225 do
Label5 525 1155 540 225 Počet; Label8 525 1680 2850 225 Předměty se mohou navzájem dotýkat)";
        QTest::newRow("autor") << Okno(new Autor) << "O aplikaci" << QSize(4905, 2520)
                               << R"(Label1 240 240 2265 375 VINULA - editor
Label2 360 720 2010 255 Verze 1.1; Picture1 2760 240 1935 1575
lblHomepage 360 1440 1575 195 )" VINULA_HOMEPAGE R"(; lblEmail 360 1680 1755 195 )" VINULA_EMAIL;
        QTest::newRow("navod") << Okno(new Navod) << "Popis editoru" << QSize(9210, 3945)
                               << "Label1 105 210 8955 3615 …";
        QTest::newRow("predmety") << Okno(new Predmety) << "Volba předmětů" << QSize(4905, 2925)
                                  << R"(
Label3 105 105 540 225 Vinula; Label1 735 105 435 225 Zeď; Label4 3885 105 960 225 Volná plocha
Label2 105 945 1065 225 Jídlo pro vinulu)";
    }
    void rozlozeni() {
        QFETCH(Okno, w);
        QFETCH(QString, titulek);
        QFETCH(QSize, velikost);
        QFETCH(QString, ovladace);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(w->windowTitle(), titulek);
        QCOMPARE(w->size(), velikost / 15);
        const bool informacni = w->objectName() == u"autor" || w->objectName() == u"Navod";
        QStringList tab;
        for (const QString &popis : ovladace.replace("; ", "\n").split('\n', Qt::SkipEmptyParts)) {
            const QStringList c = popis.split(' ');
            auto *o = w->findChild<QWidget *>(c[0]);
            QVERIFY2(o, qPrintable(c[0]));
            QCOMPARE(o->geometry(), QRect(c[1].toInt() / 15, c[2].toInt() / 15, c[3].toInt() / 15,
                                          c[4].toInt() / 15));
            if (popis.section(' ', 5) != u"…")
                QCOMPARE(o->property("text").toString().trimmed(), popis.section(' ', 5));
            // Every family's text 11 pixels high, the about window's title 18.
            const bool nadpis = w->objectName() == u"autor" && c[0] == u"Label1";
            QCOMPARE(QFontInfo(o->font()).pixelSize(), nadpis ? 18 : 11);
            if (auto *l = qobject_cast<QLabel *>(o); l && !l->text().isEmpty()) {
                QVERIFY2(vejdeSe(l), qPrintable(c[0]));
                QFont pismo = l->font(); // one face for each family of windows
                if (informacni) {        // less the title's bold and size, the links' line
                    pismo.setPixelSize(11);
                    pismo.setBold(false);
                    pismo.setUnderline(false);
                }
                QCOMPARE(pismo, informacni ? pismoInformaci(11) : pismoDialogu());
            }
            if (!qobject_cast<QLabel *>(o))
                tab.append(c[0]);
        }
        if (!tab.isEmpty())
            w->findChild<QWidget *>(tab.first())->setFocus(Qt::TabFocusReason);
        for (const QString &nazev : tab + tab.first(qMin(1, tab.size()))) { // around and back
            QCOMPARE(w->focusWidget()->objectName(), nazev);
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        }
    }
    // Five paragraphs, an empty line after the first only, each with its set phrases.
    void navod() {
        const QStringList radky = Navod::text().split(QLatin1Char('\n'));
        const QStringList fraze = {"EDITOR slouží k vytváření místností do hry VINULA",
                                   "",
                                   "Hlavním ovládacím prvkem programu je myš.",
                                   "klávesa SHIFT",
                                   "pouze u okrajů hrací plochy",
                                   "Důrazně doporučuji užívat příponu DAT"};
        QCOMPARE(radky.size(), fraze.size());
        for (int i = 0; i < 6; ++i)
            QVERIFY2(radky[i].contains(fraze[i]) && radky[i] == radky[i].trimmed() &&
                         radky[i].isEmpty() == (i == 1),
                     qPrintable(radky[i]));
    }
    void klik_data() {
        QTest::addColumn<bool>("oAplikaci");
        QTest::addColumn<QString>("cil"); // a child, or empty: the background
        QTest::addColumn<Qt::MouseButton>("tlacitko");
        QTest::newRow("help, text") << false << "Label1" << Qt::LeftButton;
        QTest::newRow("help, background") << false << "" << Qt::MiddleButton;
        QTest::newRow("about, fish") << true << "Picture1" << Qt::RightButton;
        QTest::newRow("about, background") << true << "" << Qt::LeftButton;
    }
    // Any click closes either window, but a left one on a link of the about window (underlined,
    // a pointing hand) hands its exact address to the desktop instead.
    void klik() {
        QFETCH(bool, oAplikaci);
        QFETCH(QString, cil);
        QFETCH(Qt::MouseButton, tlacitko);
        std::unique_ptr<QDialog> okno(oAplikaci ? static_cast<QDialog *>(new Autor) : new Navod);
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
        if (auto *a = qobject_cast<Autor *>(okno.get())) {
            QVERIFY(a->Label1->font().bold() && !a->Label2->font().bold());
            adresy.clear();
            for (QLabel *odkaz : {a->lblHomepage, a->lblEmail, a->lblHomepage}) {
                QVERIFY(odkaz->font().underline() &&
                        odkaz->cursor().shape() == Qt::PointingHandCursor);
                QTest::mouseClick(odkaz, Qt::LeftButton);
            }
            QTest::mouseClick(a->lblEmail, Qt::RightButton);
            QVERIFY(a->isVisible());
            const QUrl domov(QStringLiteral("http://" VINULA_HOMEPAGE)); // given without a scheme
            QCOMPARE(adresy, (QList<QUrl>{domov, QUrl("mailto:" VINULA_EMAIL), domov}));
        }
        QWidget *w = cil.isEmpty() ? okno.get() : okno->findChild<QWidget *>(cil);
        QTest::mouseClick(w, tlacitko, {}, cil.isEmpty() ? QPoint(okno->width() - 3, 3) : QPoint());
        QVERIFY(!okno->isVisible());
    }
};

QTEST_MAIN(TestOkna)
#include "test_okna.moc"
