#include "../cekane.h"
#include "items/katalog.h"
#include "items/obrazky.h"

#include <QSet>
#include <QTest>

using namespace vinula;

// The 74 names in the order of their codes: 0, 1, 50 to 58, 100 to 162.
static const char *const nazvy[] = {
    "volná plocha", "vinula",
    // walls
    "zeď barevná", "zeď bílá", "zeď modrá", "zeď zelená", "zeď šedá", "zeď žlutá", "zeď červená",
    "zeď růžová", "zeď hnědá",
    // food
    "brouk hnědý", "mšice modrá", "disketa červená", "disketa modrá", "domino naležato",
    "domino nastojato", "figurka červená", "figurka zelená", "figurka žlutá", "hodiny hranaté",
    "hodiny kulaté", "jablko červené", "jablko žluté", "kostka zelená", "kostka žlutá",
    "nota modrá", "nota žlutá", "autobus červený", "cívka", "film zelený", "klíč", "srdce červené",
    "telefon červený", "zvonek žlutý", "dynamit červený", "kříž červený", "oko modré",
    "mravenec celý", "skalára červená", "stopa šedá", "vosa", "žárovka svítící",
    "hlava žlutozelená", "myška šedá", "obálka růžová", "osoby žlutozelené", "packman žlutý",
    "prase růžové", "strom zelený", "zámek žlutý", "stříkačka injekční", "krystal žlutočervený",
    "kříž červený malý", "mravenec doleva", "mravenec doprava", "mravenec šikmo", "písmeno A",
    "písmeno B", "písmeno C", "auto červené", "bacil žlutozelený", "domek růžový", "hrnek žlutý",
    "karta černá", "karta červená", "kniha červená", "panáček v modrém", "postava v červeném",
    "vidlička a nůž", "človíček doleva", "človíček doprava", "brouk zelený", "pavouk křižák"};

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    // Every code from 0 to 255: its name exactly as worded, or none for a code that is no
    // item, and the picture it is drawn with, the one from its file. Each of the 74 items and
    // the unknown code has a picture of its own; free floor's is black.
    void kody() {
        QCOMPARE(std::size(nazvy), std::size_t(74));
        int dalsi = 0;
        QSet<QByteArray> ruzne;
        for (int kod = 0; kod < 256; ++kod) {
            const bool predmet = kod <= 1 || (kod >= 50 && kod <= 58) || (kod >= 100 && kod <= 162);
            QCOMPARE(katalog::nazev(kod), predmet ? QString::fromUtf8(nazvy[dalsi++]) : QString());
            QCOMPARE(katalog::jePredmet(kod), predmet);
            const QImage *o = obrazky::proKod(kod);
            QCOMPARE(o ? *o : QImage(), cekane::obrazek(kod));
            if (o && o->size() == QSize(20, 20))
                ruzne.insert(
                    QByteArray(reinterpret_cast<const char *>(o->constBits()), o->sizeInBytes()));
        }
        QCOMPARE(ruzne.size(), 75);
        QImage cerny(20, 20, QImage::Format_RGB32);
        cerny.fill(cekane::cerna);
        QCOMPARE(obrazky::volno(), cerny);
    }
};

QTEST_GUILESS_MAIN(TestKatalog)
#include "test_katalog.moc"
