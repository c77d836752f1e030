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
    // Controls, and the invisible characters that turn the direction of
    // text or break a line on a terminal.
    for (QChar &znak : radek)
        if (const auto druh = znak.category();
            druh == QChar::Other_Control || druh == QChar::Other_Format ||
            druh == QChar::Separator_Line || druh == QChar::Separator_Paragraph)
            znak = u'?';
    return radek;
}

} // namespace vinula::mistnosti
