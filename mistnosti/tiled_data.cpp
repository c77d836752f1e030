#include "tiled_data.h"

#include <QtEndian>

#include <zlib.h>

namespace vinula::mistnosti::tiled {

namespace {

constexpr qsizetype bajtuDat = 4 * bunek;

// Inflates zlib (windowBits 15) or gzip (31) data of at most 2400 bytes.
bool rozbal(const QByteArray &vstup, int okno, QByteArray &vystup, QString *duvod) {
    z_stream proud{};
    if (inflateInit2(&proud, okno) != Z_OK)
        return nastavDuvod(duvod, QStringLiteral("na rozbalení dat vrstvy není dost paměti"));
    vystup.resize(bajtuDat + 1);
    proud.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(vstup.constData()));
    proud.avail_in = static_cast<uInt>(vstup.size());
    proud.next_out = reinterpret_cast<Bytef *>(vystup.data());
    proud.avail_out = static_cast<uInt>(vystup.size());
    const int vysledek = inflate(&proud, Z_FINISH);
    const bool prilisMnoho = proud.avail_out == 0;
    vystup.resize(static_cast<qsizetype>(proud.total_out));
    inflateEnd(&proud);
    if (vysledek == Z_STREAM_END)
        return true;
    if (prilisMnoho)
        return nastavDuvod(duvod, QStringLiteral("rozbalená data vrstvy mají víc než 2400 bajtů, "
                                                 "30 × 20 dlaždic jich má 2400"));
    return nastavDuvod(duvod,
                       QStringLiteral("komprimovaná data vrstvy jsou poškozená nebo neúplná"));
}

} // namespace

bool poctyDlazdic(qint64 pocet, QString *duvod) {
    if (pocet == bunek)
        return true;
    return nastavDuvod(
        duvod, QStringLiteral("vrstva má %1 dlaždic, místnost 30 × 20 jich má 600")
                   .arg(pocet > bunek ? QStringLiteral("víc než 600") : QString::number(pocet)));
}

std::optional<quint32> gidZTextu(QByteArrayView text) {
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    quint64 hodnota = 0;
    for (const char znak : text) {
        if (znak < '0' || znak > '9')
            return std::nullopt;
        hodnota = hodnota * 10 + static_cast<quint64>(znak - '0');
    }
    if (hodnota > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<quint32>(hodnota);
}

bool zCsv(QByteArrayView text, Gidy &gidy, QString *duvod) {
    qint64 pocet = 0;
    if (!text.trimmed().isEmpty()) {
        for (qsizetype od = 0; od <= text.size();) {
            qsizetype carka = text.indexOf(',', od);
            if (carka < 0)
                carka = text.size();
            const QByteArrayView polozka = text.sliced(od, carka - od).trimmed();
            const auto gid = gidZTextu(polozka);
            if (!gid)
                return nastavDuvod(duvod,
                                   QStringLiteral("data vrstvy v CSV: %1 není číslo dlaždice")
                                       .arg(citace(QString::fromLatin1(polozka))));
            if (pocet == bunek)
                return poctyDlazdic(bunek + 1, duvod);
            gidy[static_cast<std::size_t>(pocet++)] = *gid;
            od = carka + 1;
        }
    }
    return poctyDlazdic(pocet, duvod);
}

QString neznamaKomprese(QStringView komprese) {
    if (komprese.isEmpty() || komprese == u"zlib" || komprese == u"gzip")
        return {};
    if (komprese == u"zstd")
        return QStringLiteral("data vrstvy jsou komprimovaná zstd, to vinula-mistnosti neumí; "
                              "v Tiledu zvolte ve vlastnostech mapy jiný formát vrstvy "
                              "(Tile Layer Format), např. CSV");
    return QStringLiteral("neznámá komprese dat vrstvy %1").arg(citace(komprese.toString()));
}

QString neznameKodovani(QStringView kodovani) {
    return QStringLiteral("neznámé kódování dat vrstvy %1").arg(citace(kodovani.toString()));
}

bool zBase64(QByteArrayView text, QStringView komprese, Gidy &gidy, QString *duvod) {
    if (const QString neznama = neznamaKomprese(komprese); !neznama.isEmpty())
        return nastavDuvod(duvod, neznama);
    QByteArray cisty;
    cisty.reserve(text.size());
    for (const char znak : text)
        if (znak != ' ' && znak != '\t' && znak != '\n' && znak != '\r')
            cisty += znak;
    const auto dekodovano = QByteArray::fromBase64Encoding(
        cisty, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!dekodovano)
        return nastavDuvod(duvod, QStringLiteral("data vrstvy nejsou platné base64"));
    QByteArray bajty;
    if (komprese.isEmpty())
        bajty = *dekodovano;
    else if (!rozbal(*dekodovano, komprese == u"zlib" ? 15 : 15 + 16, bajty, duvod))
        return false;
    if (bajty.size() != bajtuDat)
        return nastavDuvod(duvod, QStringLiteral("data vrstvy mají %1 bajtů, 30 × 20 dlaždic jich "
                                                 "má 2400")
                                      .arg(bajty.size()));
    for (int i = 0; i < bunek; ++i)
        gidy[static_cast<std::size_t>(i)] = qFromLittleEndian<quint32>(bajty.constData() + 4 * i);
    return true;
}

} // namespace vinula::mistnosti::tiled
