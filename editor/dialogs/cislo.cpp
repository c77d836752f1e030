#include "cislo.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vinula {

namespace {

bool jeMezera(QChar znak) {
    return znak == u' ' || znak == u'\t' || znak == u'\r' || znak == u'\n';
}

bool jeCislice(QChar znak) {
    return znak >= u'0' && znak <= u'9';
}

} // namespace

double ctiCislo(QStringView text) {
    QString bez;
    bez.reserve(text.size());
    for (QChar znak : text)
        if (!jeMezera(znak))
            bez.append(znak);

    qsizetype i = 0;
    const qsizetype n = bez.size();
    bool zaporne = false;
    if (i < n && (bez[i] == u'+' || bez[i] == u'-')) {
        zaporne = bez[i] == u'-';
        ++i;
    }
    // Built in the C locale's form, whatever the user's locale says.
    std::string cislo;
    while (i < n && jeCislice(bez[i]))
        cislo += static_cast<char>(bez[i++].unicode());
    const bool maCelou = !cislo.empty();
    std::string zlomek;
    if (i < n && bez[i] == u'.') {
        ++i;
        while (i < n && jeCislice(bez[i]))
            zlomek += static_cast<char>(bez[i++].unicode());
    }
    if (!maCelou && zlomek.empty())
        return 0;
    if (!maCelou)
        cislo = "0";
    if (!zlomek.empty())
        cislo += '.' + zlomek;

    // An exponent counts only when at least one digit follows the E.
    if (i < n && (bez[i] == u'e' || bez[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (bez[j] == u'+' || bez[j] == u'-'))
            exponent += static_cast<char>(bez[j++].unicode());
        if (j < n && jeCislice(bez[j])) {
            while (j < n && jeCislice(bez[j]))
                exponent += static_cast<char>(bez[j++].unicode());
            cislo += exponent;
        }
    }

    double hodnota = 0;
    const auto [konec, chyba] = std::from_chars(cislo.data(), cislo.data() + cislo.size(), hodnota);
    (void)konec;
    if (chyba == std::errc::result_out_of_range) {
        // Too large, or too close to zero, for a double.
        const bool velke = cislo.find("e-") == std::string::npos;
        hodnota = velke ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return zaporne ? -hodnota : hodnota;
}

std::optional<qint32> zvolenaMistnost(QStringView text, qint64 pocet) {
    if (text.isEmpty())
        return std::nullopt;
    const double n = ctiCislo(text);
    const double horni =
        std::min<double>(static_cast<double>(pocet), std::numeric_limits<qint32>::max());
    if (!(n >= 1 && n <= horni) || std::floor(n) != n)
        return std::nullopt;
    return static_cast<qint32>(n);
}

} // namespace vinula
