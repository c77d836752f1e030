#include "slova.h"

namespace vinula::mistnosti {

QString pocetSlovy(qint64 pocet, const char *jeden, const char *dva, const char *pet) {
    const char *slovo = pet;
    if (pocet == 1)
        slovo = jeden;
    else if (pocet >= 2 && pocet <= 4)
        slovo = dva;
    return QStringLiteral("%1 %2").arg(pocet).arg(QString::fromUtf8(slovo));
}

QString naRadek(const QString &text) {
    QString radek = text;
    for (QChar &znak : radek)
        if (znak.category() == QChar::Other_Control)
            znak = u'?';
    return radek;
}

} // namespace vinula::mistnosti
