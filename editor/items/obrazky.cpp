#include "obrazky.h"

#include "katalog.h"

#include <QString>
#include <array>

namespace vinula::obrazky {

namespace {

QImage nacti(const QString &jmeno) {
    QImage obrazek(QStringLiteral(":/items/%1.xpm").arg(jmeno));
    // The back buffer is RGB32; the same format makes every copy a plain blit.
    return obrazek.convertToFormat(QImage::Format_RGB32);
}

struct Sada {
    QImage volno = nacti(QStringLiteral("volno"));
    QImage hlava = nacti(QStringLiteral("hlava"));
    QImage neznamy = nacti(QStringLiteral("neznamy"));
    std::array<QImage, katalog::pocetZdi> zdi;
    std::array<QImage, katalog::pocetJidel> jidla;

    Sada() {
        for (std::size_t i = 0; i < zdi.size(); ++i)
            zdi[i] = nacti(QStringLiteral("zed%1").arg(i));
        for (std::size_t i = 0; i < jidla.size(); ++i)
            jidla[i] = nacti(QStringLiteral("zradlo%1").arg(i));
    }
};

const Sada &sada() {
    static const Sada s;
    return s;
}

} // namespace

const QImage &volno() {
    return sada().volno;
}
const QImage &hlava() {
    return sada().hlava;
}
const QImage &neznamy() {
    return sada().neznamy;
}

const QImage &zed(int index) {
    if (index < 0 || index >= katalog::pocetZdi)
        return neznamy();
    return sada().zdi[static_cast<std::size_t>(index)];
}

const QImage &zradlo(int index) {
    if (index < 0 || index >= katalog::pocetJidel)
        return neznamy();
    return sada().jidla[static_cast<std::size_t>(index)];
}

const QImage *proKod(int kod) {
    if (katalog::jeVolno(kod))
        return &volno();
    if (katalog::jeVinula(kod))
        return &hlava();
    if (katalog::jeJidlo(kod))
        return &zradlo(kod - katalog::prvniJidlo);
    if (katalog::jeZed(kod))
        return &zed(kod - katalog::prvniZed);
    return nullptr;
}

} // namespace vinula::obrazky
