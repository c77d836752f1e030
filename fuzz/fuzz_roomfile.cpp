// The input is a room file held in memory, and also text for the code page.
// Every rule the reader promises is checked; a broken one aborts.

#include "room/cp1250.h"
#include "room/roomfile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

using namespace vinula;
namespace rf = vinula::roomfile;

namespace {

void over(bool plati) {
    if (!plati)
        std::abort();
}

// Ring and area differ, so a read that touches the ring shows.
Mistnost vzorova() {
    Mistnost m;
    for (int x = -1; x <= Mistnost::sirka; ++x)
        for (int y = -1; y <= Mistnost::vyska; ++y)
            m.nastav(x, y, Mistnost::vOblasti(x, y) ? 0x5A : 0xA5);
    return m;
}

void zkusMistnost(QBuffer &buffer, const QByteArray &data, qint64 n) {
    const bool existuje = n >= 1 && n <= data.size() / rf::delkaZaznamu;

    QString duvod;
    const auto nazev = rf::nactiNazev(buffer, n, &duvod);
    over(nazev.has_value() == existuje);
    over(nazev ? nazev->size() == rf::delkaNazvu : !duvod.isEmpty());

    const Mistnost puvodni = vzorova();
    Mistnost m = puvodni;
    QString jmeno = QStringLiteral("beze změny");
    duvod.clear();
    const bool nacteno = rf::nactiMistnost(buffer, n, m, jmeno, &duvod);
    over(nacteno == existuje);
    if (!nacteno) {
        over(m == puvodni && jmeno == QStringLiteral("beze změny") && !duvod.isEmpty());
        return;
    }

    const qint64 zacatek = (n - 1) * rf::delkaZaznamu;
    const QByteArray zaznam = data.mid(zacatek, rf::delkaZaznamu);
    over(jmeno == *nazev);
    for (int x = -1; x <= Mistnost::sirka; ++x)
        for (int y = -1; y <= Mistnost::vyska; ++y)
            over(m.bunka(x, y) == (Mistnost::vOblasti(x, y) ? Kod(zaznam[rf::posunBunky(x, y)])
                                                            : puvodni.bunka(x, y)));
    // Saving what was read gives back the very same bytes.
    over(rf::zaznam(jmeno, m) == zaznam);
}

void zkusKodovani(const uint8_t *data, size_t size) {
    const QByteArrayView bajty(data, qsizetype(size));
    const QString text = cp1250::dekoduj(bajty);
    over(text.size() == bajty.size());
    over(cp1250::zakoduj(text) == bajty);

    // The same input read as UTF-16: one byte per character, each either
    // kept or turned into '?'.
    std::u16string jednotky(size / 2, u'\0');
    std::memcpy(jednotky.data(), data, jednotky.size() * 2);
    const QString libovolny = QString::fromStdU16String(jednotky);
    const QList<uint> znaky = libovolny.toUcs4();
    const QByteArray zakodovany = cp1250::zakoduj(libovolny);
    over(zakodovany.size() == znaky.size());
    const QString zpet = cp1250::dekoduj(zakodovany);
    for (qsizetype i = 0; i < zpet.size(); ++i)
        over(zpet[i] == u'?' || zpet[i].unicode() == znaky[i]);

    // Any text makes a record that reads back as a 50-character name.
    Mistnost m;
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            m.nastav(x, y, Kod(x * 7 + y));
    QByteArray zaznam = rf::zaznam(libovolny, m);
    over(zaznam.size() == rf::delkaZaznamu);
    QBuffer buffer(&zaznam);
    over(buffer.open(QIODevice::ReadOnly));
    Mistnost nactena;
    QString jmeno;
    over(rf::nactiMistnost(buffer, 1, nactena, jmeno));
    over(nactena == m && jmeno.size() == rf::delkaNazvu);
    over(cp1250::zakoduj(jmeno) == zaznam.left(rf::delkaNazvu));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    zkusKodovani(data, size);

    const QByteArray soubor(reinterpret_cast<const char *>(data), qsizetype(size));
    const qint64 delka = soubor.size();
    const qint64 pocet = rf::pocetMistnosti(delka);
    over(pocet == (delka % rf::delkaZaznamu == 0 ? delka / rf::delkaZaznamu : -1));

    QBuffer buffer;
    buffer.setData(soubor);
    over(buffer.open(QIODevice::ReadOnly));
    qint64 zVstupu = 0;
    if (size >= sizeof zVstupu)
        std::memcpy(&zVstupu, data, sizeof zVstupu);
    const qint64 cele = delka / rf::delkaZaznamu;
    constexpr qint64 nejmensi = std::numeric_limits<qint64>::min();
    constexpr qint64 nejvetsi = std::numeric_limits<qint64>::max();
    for (qint64 n : {nejmensi, qint64(-1), qint64(0), qint64(1), qint64(2), cele, cele + 1, pocet,
                     pocet + 1, nejvetsi / rf::delkaZaznamu + 2, nejvetsi, zVstupu})
        zkusMistnost(buffer, soubor, n);
    return 0;
}
