#include "kanal.h"

#include <QIODevice>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace vinula::mistnosti {

namespace {
// 64 KiB, what a pipe holds: a 100,000-room listing takes about a hundred
// writes.
constexpr qsizetype velikostBloku = 1 << 16;
} // namespace

Kanal::Kanal(QIODevice &zarizeni)
    : zarizeni_(zarizeni), blok_(std::make_unique<char[]>(velikostBloku)) {}

char *Kanal::misto(qsizetype delka) {
    if (plno_ + delka > velikostBloku)
        flush();
    char *kam = blok_.get() + plno_;
    plno_ += delka;
    return kam;
}

Kanal &Kanal::operator<<(QByteArrayView utf8) {
    while (!utf8.isEmpty()) {
        if (plno_ == velikostBloku)
            flush();
        const qsizetype kus = std::min(utf8.size(), velikostBloku - plno_);
        std::memcpy(blok_.get() + plno_, utf8.data(), static_cast<size_t>(kus));
        plno_ += kus;
        utf8 = utf8.sliced(kus);
    }
    return *this;
}

Kanal &Kanal::operator<<(QStringView text) {
    // One more than the text's length: a surrogate pair split between two
    // calls comes out as four bytes for one character.
    const qsizetype nejvic = utf8_.requiredSpace(text.size() + 1);
    if (nejvic >= velikostBloku)
        return *this << QByteArrayView(text.toUtf8());
    char *kam = misto(nejvic);
    plno_ = utf8_.appendToBuffer(kam, text) - blok_.get();
    return *this;
}

Kanal &Kanal::vpravo(qint64 cislo, int sirka) {
    char cislice[24];
    const auto konec = std::to_chars(cislice, cislice + sizeof cislice, cislo).ptr;
    const auto delka = static_cast<int>(konec - cislice);
    mezery(sirka - delka);
    return *this << QByteArrayView(cislice, delka);
}

Kanal &Kanal::vlevo(QByteArrayView utf8, int sirka) {
    *this << utf8;
    // Characters, not bytes: every byte but the continuation bytes starts one.
    for (const char bajt : utf8)
        if ((static_cast<unsigned char>(bajt) & 0xC0) != 0x80)
            --sirka;
    return mezery(sirka);
}

Kanal &Kanal::mezery(int pocet) {
    if (pocet > 0)
        std::memset(misto(pocet), ' ', static_cast<size_t>(pocet));
    return *this;
}

bool Kanal::flush() {
    if (plno_ > 0 && chyba_.isEmpty() && zarizeni_.write(blok_.get(), plno_) != plno_)
        chyba_ = zarizeni_.errorString();
    plno_ = 0;
    return chyba_.isEmpty();
}

} // namespace vinula::mistnosti
