// The command line of vinula-mistnosti and its room numbers: the input is
// the arguments, separated by NUL characters; each argument is read as a
// number list too. Every promise is checked; a broken one aborts.

#include "argumenty.h"
#include "cisla.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

using namespace vinula::mistnosti;

namespace {

void over(bool plati) {
    if (!plati)
        std::abort();
}

void zkusCisla(const QString &text, qint64 pocet) {
    QString duvod;
    const auto useky = rozeberCisla(text, pocet, &duvod);
    over(useky ? !useky->isEmpty() : !duvod.isEmpty());
    if (useky) {
        qint64 celkem = 0;
        for (const Usek &usek : *useky) {
            over(usek.od >= 1 && usek.od <= pocet && usek.po >= 1 && usek.po <= pocet);
            celkem += usek.delka();
        }
        over(celkem <= nejviceVSeznamu);
    }
    // One number: decimal digits only, its value, and as a list the same.
    duvod.clear();
    const auto cislo = rozeberCislo(text, pocet, &duvod);
    if (!cislo) {
        over(!duvod.isEmpty());
        return;
    }
    bool ok = false;
    over(std::all_of(text.cbegin(), text.cend(), [](QChar z) { return z >= u'0' && z <= u'9'; }));
    over(text.toLongLong(&ok) == *cislo && ok && *cislo >= 1 && *cislo <= pocet);
    over(useky && *useky == QList<Usek>{Usek{*cislo, *cislo}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text =
        QString::fromUtf8(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QStringList argumenty = text.split(QChar(0));
    QString duvod;
    const auto prikaz = rozeberArgumenty(argumenty, &duvod);
    if (!prikaz) {
        over(!duvod.isEmpty());
    } else {
        // Its files and numbers are arguments given, in their order; a
        // sub-command that works has at least one.
        qsizetype i = 0;
        for (const QString &soubor : prikaz->zbytek) {
            while (i < argumenty.size() && argumenty[i] != soubor)
                ++i;
            over(i++ < argumenty.size());
        }
        over(prikaz->napoveda || !prikaz->podprikaz || !prikaz->zbytek.isEmpty());
    }
    for (const QString &argument : argumenty)
        for (const qint64 pocet :
             {qint64(1), qint64(7), qint64(100'000), std::numeric_limits<qint64>::max() / 650})
            zkusCisla(argument, pocet);
    return 0;
}
