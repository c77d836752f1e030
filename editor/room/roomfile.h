#pragma once

#include "mistnost.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QFile;
class QIODevice;

namespace vinula::roomfile {

// A room file is a plain run of 650-byte records: 50 name bytes in
// Windows-1250, then the 600 cells column by column. No header.
constexpr qint64 delkaZaznamu = 650;
constexpr int delkaNazvu = 50;
constexpr int delkaMrizky = Mistnost::sirka * Mistnost::vyska;

// Offset of cell (x, y) within a record.
constexpr int posunBunky(int x, int y) {
    return delkaNazvu + Mistnost::vyska * x + y;
}

// Number of rooms in a file of this length, or -1 when the length is not a
// whole number of records.
qint64 pocetMistnosti(qint64 delkaSouboru);

// Opens an existing regular file for reading; a folder or a FIFO (which would
// block until someone writes to it) is refused with a reason.
bool otevriProCteni(QFile &soubor, QString *duvod = nullptr);

// The whole records of rooms od .. od + pocet - 1, read with a single call.
// Fails, saying why, when any of them lies (partly) outside the file.
std::optional<QByteArray> nactiZaznamy(QIODevice &soubor, qint64 od, qint64 pocet,
                                       QString *duvod = nullptr);

// The name of a record (all 50 characters) and its cells, put into the area
// of `mistnost`; the record must be whole.
QString nazevZaznamu(QByteArrayView zaznam);
void bunkyZaznamu(QByteArrayView zaznam, Mistnost &mistnost);

// Reads the 50-character name of room n (counted from 1), trailing spaces
// included. Returns nothing when the room lies (partly) outside the file or
// the read fails; *duvod then says why, in Czech. Only the room's position
// matters: room 1 of a 651-byte file still reads. The device must be open for
// reading and seekable.
std::optional<QString> nactiNazev(QIODevice &soubor, qint64 n, QString *duvod = nullptr);
std::optional<QString> nactiNazev(const QString &cesta, qint64 n, QString *duvod = nullptr);

// Reads room n: its cells into the area of `mistnost` (the ring is left
// alone) and its name into `nazev`. On any failure neither is changed.
bool nactiMistnost(QIODevice &soubor, qint64 n, Mistnost &mistnost, QString &nazev,
                   QString *duvod = nullptr);
bool nactiMistnost(const QString &cesta, qint64 n, Mistnost &mistnost, QString &nazev,
                   QString *duvod = nullptr);

// The 650 bytes of one record: the name cut or padded with spaces to 50
// characters, then the area cells. A character the code page lacks is
// stored as '?'.
QByteArray zaznam(const QString &nazev, const Mistnost &mistnost);

// Appends one record after the file's last byte, creating the file when it is
// missing. Earlier bytes are never rewritten; when the write fails part way
// the file is cut back to its old length (a file created here is removed).
// Never waits: a file that another program is appending to is refused at
// once, saying so.
bool pripojMistnost(const QString &cesta, const QString &nazev, const Mistnost &mistnost,
                    QString *duvod = nullptr);

// An append written in as many pieces as the caller likes that lands whole or
// not at all: until dokonci() succeeds, a failed write or the end of the
// object cuts the file back to its old length (a file created here is
// removed). Earlier bytes are never rewritten. The file is locked from the
// opening to the end, so that another program that appends the same way
// waits, and a cut-back never takes away bytes that anyone else wrote. A
// finished append is on the disk (synced) before dokonci() returns.
//
// What the caller decides, when it opens: whether to wait for a file that
// another program holds, and whether the file must hold whole records
// already (the editor appends after whatever the file holds, as the game
// reads it; the tool refuses to append to what is not a room file).
// What the caller of a Pripojeni decides.
struct PravidlaPripojeni {
    // Called between tries while another program holds the file (it waits a
    // little), until the file is free or it returns false. Without it the
    // opening fails at once.
    std::function<bool()> cekej;
    // Refuses a file whose length is not a whole number of records.
    bool jenCeleZaznamy = false;
};

class Pripojeni {
public:
    explicit Pripojeni(const QString &cesta);
    ~Pripojeni();
    Pripojeni(const Pripojeni &) = delete;
    Pripojeni &operator=(const Pripojeni &) = delete;

    // Opens and locks the file, creating it when it is missing.
    bool otevri(QString *duvod = nullptr, const PravidlaPripojeni &pravidla = {});
    // The length the file had when it was locked.
    qint64 puvodniDelka() const { return puvodniDelka_; }
    // The file system has no locks (some network drives): the append goes
    // ahead unlocked, and the caller may say so.
    bool bezZamku() const { return bezZamku_; }
    bool zapis(QByteArrayView data, QString *duvod = nullptr);
    bool dokonci(QString *duvod = nullptr);
    // Gives the append up for the reason given: the file is cut back, and
    // *duvod says why and how the file was left. Once given up or finished,
    // nothing more happens.
    void vzdej(const QString &proc, QString *duvod);

private:
    QString cesta_;
    QString otevreny_; // the file itself, not a link to it
    std::unique_ptr<QFile> soubor_;
    qint64 puvodniDelka_ = 0;
    qint64 zapsano_ = 0;
    bool vytvoren_ = false; // made by this append, so to be taken away again
    bool bezZamku_ = false;
    bool hotovo_ = false;
};

} // namespace vinula::roomfile
