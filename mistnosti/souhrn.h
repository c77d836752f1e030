#pragma once

#include <QByteArrayView>
#include <QPoint>
#include <QString>

namespace vinula::mistnosti {

// What one room holds, read from its record.
struct Souhrn {
    qint64 cislo = 0;
    QString nazev; // trailing spaces dropped
    int vinuly = 0;
    QPoint vinula; // the first vinula cell, column by column
    int jidla = 0;
    int zdi = 0;
    QString chyba;    // the editor's room check: its message, empty when it passes
    int cizich = 0;   // cells whose code is no catalogue item
    QPoint prvniCizi; // the first of them, column by column
    int ciziKod = 0;
};

Souhrn shrn(qint64 cislo, QByteArrayView zaznam);

// The record's name without its trailing spaces.
QString nazevBezMezer(QByteArrayView zaznam);

// "vinula (3, 0)", "vinula chybí" or "2 vinuly".
QString kdeJeVinula(const Souhrn &souhrn);

} // namespace vinula::mistnosti
