#include "dialogs/nacteni.h"
#include "dialogs/rozmisteni.h"
#include "dialogs/zapsani.h"
#include "info/autor.h"
#include "info/navod.h"
#include "items/predmety.h"
#include "okna/preklad.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTranslator>
#include <memory>
#include <vector>

using namespace vinula;

namespace {

// Every window with a fixed layout, made afresh.
std::unique_ptr<QWidget> okno(const QString &jmeno) {
    if (jmeno == QLatin1String("zapsani"))
        return std::make_unique<Zapsani>();
    if (jmeno == QLatin1String("nacteni"))
        return std::make_unique<Nacteni>();
    if (jmeno == QLatin1String("rozmisteni"))
        return std::make_unique<Rozmisteni>();
    if (jmeno == QLatin1String("autor"))
        return std::make_unique<Autor>();
    if (jmeno == QLatin1String("navod"))
        return std::make_unique<Navod>();
    return std::make_unique<Predmety>();
}

// The labels of a window that show text (the fish picture shows none, and
// the load dialog's result labels are empty until a file is chosen).
QList<QLabel *> popisky(QWidget *w) {
    QList<QLabel *> s;
    for (QLabel *l : w->findChildren<QLabel *>())
        if (!l->text().isEmpty())
            s.append(l);
    return s;
}

QString jmeno(const QLabel *l) {
    return l->window()->objectName() + QLatin1Char('.') + l->objectName();
}

// A font's face: the font but for its size, weight and underline.
QFont tvar(QFont pismo) {
    pismo.setPixelSize(11);
    pismo.setBold(false);
    pismo.setUnderline(false);
    return pismo;
}

} // namespace

class TestOkna : public QObject {
    Q_OBJECT
    QTranslator *preklad = nullptr;

private slots:
    // As the program does at start.
    void initTestCase() { preklad = nainstalujCestinu(); }

    // The translation is the one built into the program, so a machine
    // without Qt's translations gets Czech all the same.
    void zabudovanyPreklad() {
        QVERIFY(preklad);
        QVERIFY2(preklad->filePath().startsWith(QLatin1String(":/")),
                 qPrintable(preklad->filePath()));
        QVERIFY(QFile::exists(preklad->filePath()));
        QCOMPARE(QLocale(preklad->language()).language(), QLocale::Czech);
    }

    void nabidka_data() {
        QTest::addColumn<int>("poradi"); // among the entries, separators left out
        QTest::addColumn<QString>("text");
        QTest::newRow("undo") << 0 << "&Zpět";
        QTest::newRow("redo") << 1 << "&Znovu";
        QTest::newRow("cut") << 2 << "&Vyjmout";
        QTest::newRow("copy") << 3 << "&Kopírovat";
        QTest::newRow("paste") << 4 << "&Vložit";
        QTest::newRow("delete") << 5 << "Smazat";
        QTest::newRow("select all") << 6 << "Vybrat vše";
    }

    // A right click in a text box opens Qt's own menu, in Czech.
    void nabidka() {
        QFETCH(int, poradi);
        QFETCH(QString, text);
        Rozmisteni r;
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        QLineEdit *pole = r.Text5;
        pole->selectAll();
        const QPoint kde(5, 5);
        QContextMenuEvent klik(QContextMenuEvent::Mouse, kde, pole->mapToGlobal(kde));
        QApplication::sendEvent(pole, &klik);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList polozky;
        for (const QAction *a : menu->actions())
            if (!a->isSeparator())
                polozky.append(a->text().section(QLatin1Char('\t'), 0, 0)); // less the shortcut
        menu->close();
        QCOMPARE(polozky.size(), 7);
        QCOMPARE(polozky[poradi], text);
    }

    void popisky_data() {
        QTest::addColumn<QString>("okno");
        QTest::addColumn<int>("pocet"); // labels with text, so none is missed
        QTest::newRow("zapsani") << "zapsani" << 3;
        QTest::newRow("nacteni") << "nacteni" << 3;
        QTest::newRow("rozmisteni") << "rozmisteni" << 8;
        QTest::newRow("autor") << "autor" << 4;
        QTest::newRow("navod") << "navod" << 1;
        QTest::newRow("predmety") << "predmety" << 4;
    }

    // Each label's text, in the font that label is drawn in, lies whole
    // within the label: the line box (ascent and descent, the advance) and the
    // ink itself, so a háček above a capital is not cut off at the top.
    void popisky() {
        QFETCH(QString, okno);
        QFETCH(int, pocet);
        const std::unique_ptr<QWidget> w = ::okno(okno);
        const QList<QLabel *> s = ::popisky(w.get());
        QCOMPARE(s.size(), pocet);
        for (const QLabel *l : s) {
            const QString kdo = jmeno(l);
            const QFontMetrics miry(l->font());
            const int m = l->margin();
            const QRect misto = l->contentsRect().adjusted(m, m, -m, -m);
            QVERIFY2(misto.width() > 0 && misto.height() > 0, qPrintable(kdo));

            const int zarovnani = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect sazba = miry.boundingRect(misto, zarovnani, l->text());
            QVERIFY2(misto.contains(sazba), qPrintable(QStringLiteral("%1: text %2x%3, label %4x%5")
                                                           .arg(kdo)
                                                           .arg(sazba.width())
                                                           .arg(sazba.height())
                                                           .arg(misto.width())
                                                           .arg(misto.height())));
            if (!l->wordWrap()) {
                QVERIFY2(miry.ascent() + miry.descent() <= misto.height(), qPrintable(kdo));
                QVERIFY2(miry.horizontalAdvance(l->text()) <= misto.width(), qPrintable(kdo));
            }

            // The ink of every glyph, relative to the baseline, stays within
            // the font's ascent and descent, which the line box holds.
            const QRect inkoust = miry.tightBoundingRect(l->text());
            QVERIFY2(-inkoust.top() <= miry.ascent() && inkoust.bottom() < miry.descent(),
                     qPrintable(QStringLiteral("%1: ink %2..%3, font %4..%5")
                                    .arg(kdo)
                                    .arg(inkoust.top())
                                    .arg(inkoust.bottom())
                                    .arg(-miry.ascent())
                                    .arg(miry.descent() - 1)));
        }
    }

    void jednoPismo_data() {
        QTest::addColumn<QStringList>("okna");
        QTest::addColumn<bool>("stejne"); // the very same font, or one face in several sizes
        QTest::newRow("dialogs") << QStringList{"zapsani", "nacteni", "rozmisteni"} << true;
        QTest::newRow("information") << QStringList{"autor", "navod"} << false;
        QTest::newRow("palette") << QStringList{"predmety"} << true;
    }

    // One font for each family of windows: the three dialogs set every label
    // alike; the information windows use one face, the title larger.
    void jednoPismo() {
        QFETCH(QStringList, okna);
        QFETCH(bool, stejne);
        std::vector<std::unique_ptr<QWidget>> w;
        QList<QLabel *> s;
        for (const QString &o : okna) {
            w.push_back(::okno(o));
            s += ::popisky(w.back().get());
        }
        const QFont prvni = s.first()->font();
        for (const QLabel *l : s) {
            QVERIFY2(stejne ? l->font() == prvni : tvar(l->font()) == tvar(prvni),
                     qPrintable(jmeno(l)));
            QCOMPARE(QFontInfo(l->font()).family(), QFontInfo(prvni).family());
        }
    }
};

QTEST_MAIN(TestOkna)
#include "test_okna.moc"
