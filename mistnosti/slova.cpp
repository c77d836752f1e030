#include "slova.h"

namespace vinula::mistnosti {

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
