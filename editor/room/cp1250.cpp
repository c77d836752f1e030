#include "cp1250.h"

#include <algorithm>
#include <array>

namespace vinula::cp1250 {

namespace {

// Bytes 0x80..0xFF. 0x81, 0x83, 0x88, 0x90 and 0x98 are undefined in the code
// page; they keep their own value so no byte of a name is ever lost.
constexpr std::array<char16_t, 128> horniPolovina = {
    // 0x80
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    // 0x90
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    // 0xA0
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    // 0xB0
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    // 0xC0
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    // 0xD0
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    // 0xE0
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    // 0xF0
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

struct Par {
    char16_t znak;
    quint8 bajt;
};

// The same table sorted by character, built once by the compiler, so that
// encoding is a binary search over 128 entries.
constexpr std::array<Par, 128> podleZnaku = [] {
    std::array<Par, 128> t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = {horniPolovina[i], static_cast<quint8>(0x80 + i)};
    std::sort(t.begin(), t.end(), [](Par a, Par b) { return a.znak < b.znak; });
    return t;
}();

// Two bytes sharing one character, or a character below 0x80, would make a
// byte come back different from what was read.
static_assert([] {
    for (std::size_t i = 0; i < podleZnaku.size(); ++i) {
        if (podleZnaku[i].znak < 0x80)
            return false;
        if (i > 0 && podleZnaku[i - 1].znak == podleZnaku[i].znak)
            return false;
    }
    return true;
}());

constexpr char otaznik = '?';

} // namespace

QChar naZnak(quint8 bajt) {
    if (bajt < 0x80)
        return QChar(bajt);
    return QChar(horniPolovina[bajt - 0x80]);
}

quint8 naBajt(QChar znak) {
    const char16_t u = znak.unicode();
    if (u < 0x80)
        return static_cast<quint8>(u);
    const auto it = std::lower_bound(podleZnaku.begin(), podleZnaku.end(), u,
                                     [](Par p, char16_t hledany) { return p.znak < hledany; });
    if (it != podleZnaku.end() && it->znak == u)
        return it->bajt;
    return otaznik;
}

QString dekoduj(QByteArrayView bajty) {
    QString text(bajty.size(), Qt::Uninitialized);
    QChar *cil = text.data();
    for (qsizetype i = 0; i < bajty.size(); ++i)
        cil[i] = naZnak(static_cast<quint8>(bajty[i]));
    return text;
}

QByteArray zakoduj(QStringView text) {
    QByteArray bajty;
    bajty.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar znak = text[i];
        // A character outside the BMP takes two UTF-16 units but is still
        // one character, so it becomes one '?', not two.
        if (znak.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bajty.append(static_cast<char>(naBajt(znak)));
    }
    return bajty;
}

} // namespace vinula::cp1250
