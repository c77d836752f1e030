#include "cislo.h"

#include <QString>

#include <algorithm>
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

bool jeCislice(char znak) {
    return znak >= '0' && znak <= '9';
}

} // namespace

double cisloZeZacatku(QStringView text) {
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
        cislo.push_back('0');
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

    const double hodnota = cisloVeTvaruC(cislo).value_or(0.0);
    return zaporne ? -hodnota : hodnota;
}

std::optional<double> cisloVeTvaruC(std::string_view text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    const bool zaporne = i < n && text[i] == '-';
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t zacatek = i;
    std::size_t celych = 0;
    while (i < n && jeCislice(text[i]))
        ++i, ++celych;
    std::size_t desetinnych = 0;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && jeCislice(text[i]))
            ++i, ++desetinnych;
    }
    if (celych + desetinnych == 0)
        return std::nullopt;
    const std::size_t konecMantisy = i;
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool zapornyExponent = i < n && text[i] == '-';
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (i == n || !jeCislice(text[i]))
            return std::nullopt;
        // Held at a billion: far beyond any double, and no overflow here.
        for (; i < n && jeCislice(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
        if (zapornyExponent)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    double hodnota = 0;
    const auto [konec, chyba] =
        std::from_chars(text.data() + zacatek - (zaporne ? 1 : 0), text.data() + n, hodnota);
    if (chyba == std::errc::result_out_of_range) {
        // Out of range either way: the power of ten of the first significant
        // digit tells too large from too small.
        long long rad = static_cast<long long>(celych) - 1;
        for (std::size_t k = zacatek; k < konecMantisy; ++k) {
            if (text[k] == '.')
                continue;
            if (text[k] != '0')
                break;
            --rad;
        }
        hodnota = rad + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return zaporne ? -hodnota : hodnota;
    }
    if (chyba != std::errc() || konec != text.data() + n)
        return std::nullopt;
    return hodnota;
}

std::optional<double> cisloCelehoPole(const QString &text) {
    const QString oriznuty = text.trimmed();
    if (oriznuty.isEmpty())
        return 0.0;
    // A character outside Latin-1 becomes '?', which no number holds.
    return cisloVeTvaruC(oriznuty.toLatin1().toStdString());
}

std::optional<qint32> zvolenaMistnost(QStringView text, qint64 pocet) {
    if (text.isEmpty())
        return std::nullopt;
    const double n = cisloZeZacatku(text);
    const double horni =
        std::min<double>(static_cast<double>(pocet), std::numeric_limits<qint32>::max());
    if (!(n >= 1 && n <= horni) || std::floor(n) != n)
        return std::nullopt;
    return static_cast<qint32>(n);
}

} // namespace vinula
