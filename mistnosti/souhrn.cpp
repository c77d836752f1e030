#include "souhrn.h"

#include "dialogs/kontrola.h"
#include "items/katalog.h"
#include "kanal.h"
#include "room/cp1250.h"
#include "room/roomfile.h"
#include "slova.h"

#include <algorithm>
#include <array>

namespace vinula::mistnosti {

namespace {

// What one cell adds to the four counts, each in its own 16 bits (a room
// has 600 cells), so that a room is counted with one look-up and one
// addition per cell.
enum Posun { vinul = 0, jidel = 16, zdi = 32, cizich = 48 };
constexpr std::array<quint64, 256> podilBunky = [] {
    std::array<quint64, 256> podil{};
    for (int kod = 0; kod < 256; ++kod)
        podil[kod] = quint64{katalog::jeVinula(kod)} << vinul |
                     quint64{katalog::jeJidlo(kod)} << jidel | quint64{katalog::jeZed(kod)} << zdi |
                     quint64{!katalog::jePredmet(kod)} << cizich;
    return podil;
}();

int pocet(quint64 soucty, Posun posun) {
    return static_cast<int>((soucty >> posun) & 0xFFFF);
}

// Cell i of the record's grid, counted column by column.
QPoint bunka(qsizetype i) {
    return {static_cast<int>(i / Mistnost::vyska), static_cast<int>(i % Mistnost::vyska)};
}

QByteArrayView bezMezer(QByteArrayView nazev) {
    while (!nazev.isEmpty() && nazev.back() == ' ')
        nazev.chop(1);
    return nazev;
}

} // namespace

Souhrn shrn(qint64 cislo, QByteArrayView zaznam) {
    Souhrn s;
    s.cislo = cislo;
    s.nazev = bezMezer(zaznam.first(roomfile::delkaNazvu));
    const auto *bunky = reinterpret_cast<const uchar *>(zaznam.data()) + roomfile::delkaNazvu;
    // Two sums, so that each addition need not wait for the one before.
    quint64 suda = 0, licha = 0;
    for (int i = 0; i < roomfile::delkaMrizky; i += 2) {
        suda += podilBunky[bunky[i]];
        licha += podilBunky[bunky[i + 1]];
    }
    const quint64 soucty = suda + licha;
    s.vinuly = pocet(soucty, vinul);
    s.jidla = pocet(soucty, jidel);
    s.zdi = pocet(soucty, zdi);
    s.cizich = pocet(soucty, cizich);
    s.chyba = kontrola::chyba(kontrola::Pocty{s.vinuly, s.jidla});
    // The first cell of a kind, looked for only when there is one.
    const auto prvni = [bunky](bool (*druh)(int kod)) {
        return std::find_if(bunky, bunky + roomfile::delkaMrizky, druh) - bunky;
    };
    if (s.vinuly > 0) {
        s.vinula = bunka(prvni(katalog::jeVinula));
        s.mimoOkraj = s.vinuly == 1 && !Mistnost::naOkraji(s.vinula.x(), s.vinula.y());
    }
    if (s.cizich > 0) {
        const qsizetype i = prvni([](int kod) { return !katalog::jePredmet(kod); });
        s.prvniCizi = bunka(i);
        s.ciziKod = bunky[i];
    }
    return s;
}

QString vinulaMimoOkraj() {
    return QStringLiteral("vinula není na okraji plochy");
}

QString Souhrn::procNehratelna() const {
    return mimoOkraj && chyba.isEmpty() ? vinulaMimoOkraj() : chyba;
}

QString nazevBezMezer(QByteArrayView zaznam) {
    return cp1250::dekoduj(bezMezer(zaznam.first(roomfile::delkaNazvu)));
}

TextyBajtu::TextyBajtu(QString (*uprav)(const QString &znak)) {
    for (int bajt = 0; bajt < 256; ++bajt) {
        texty_[bajt] = uprav(QString(cp1250::naZnak(static_cast<quint8>(bajt)))).toUtf8();
        sam_[bajt] = texty_[bajt].size() == 1 && static_cast<uchar>(texty_[bajt][0]) == bajt;
    }
}

void TextyBajtu::vypis(Kanal &ven, QByteArrayView nazev) const {
    // Bytes that are their own text go in runs.
    qsizetype zacatek = 0;
    for (qsizetype i = 0; i < nazev.size(); ++i) {
        const auto bajt = static_cast<uchar>(nazev[i]);
        if (sam_[bajt])
            continue;
        ven << nazev.sliced(zacatek, i - zacatek) << texty_[bajt];
        zacatek = i + 1;
    }
    ven << nazev.sliced(zacatek);
}

void vypisNazev(Kanal &ven, QByteArrayView nazev) {
    static const TextyBajtu naRadky(naRadek);
    naRadky.vypis(ven, nazev);
}

} // namespace vinula::mistnosti
