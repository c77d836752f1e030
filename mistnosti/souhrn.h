#pragma once

#include <QByteArrayView>
#include <QPoint>
#include <QString>

#include <array>

namespace vinula::mistnosti {

class Kanal;

// What one room holds, read straight from its record's bytes.
struct Souhrn {
    qint64 cislo = 0;
    QByteArrayView nazev; // the name's Windows-1250 bytes in the record, trailing spaces dropped
    int vinuly = 0;
    QPoint vinula; // the first vinula cell, column by column
    int jidla = 0;
    int zdi = 0;
    QString chyba;          // the editor's room check: its message, empty when it passes
    bool mimoOkraj = false; // the one vinula is not on the outermost cells
    int cizich = 0;         // cells whose code is no catalogue item
    QPoint prvniCizi;       // the first of them, column by column
    int ciziKod = 0;

    // The room can be played: it passes the editor's check and its vinula
    // is on the edge, where the editor lets it be put.
    bool hratelna() const { return chyba.isEmpty() && !mimoOkraj; }
    // Why it cannot: the editor's message, else the vinula off the edge.
    QString procNehratelna() const;
};

// The record must be whole and must outlive the result, whose name points
// into it.
Souhrn shrn(qint64 cislo, QByteArrayView zaznam);

QString vinulaMimoOkraj();

// The record's name without its trailing spaces.
QString nazevBezMezer(QByteArrayView zaznam);

// Writes a name's Windows-1250 bytes as UTF-8 text made by one rule (safe
// for a line, escaped for JSON), byte by byte from a table, so that no room
// builds a string.
class TextyBajtu {
public:
    // `uprav` makes one character's text.
    explicit TextyBajtu(QString (*uprav)(const QString &znak));
    void vypis(Kanal &ven, QByteArrayView nazev) const;

private:
    std::array<QByteArray, 256> texty_;
    std::array<bool, 256> sam_; // the byte is its own text
};

// A name from Souhrn::nazev as naRadek() shows it.
void vypisNazev(Kanal &ven, QByteArrayView nazev);

} // namespace vinula::mistnosti
