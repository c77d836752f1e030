#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// Room numbers as typed on the command line: "7" or a list such as
// "3,1,5-7,9-8".
namespace vinula::mistnosti {

// Rooms od to po, both included; a run with od > po goes downwards.
struct Usek {
    qint64 od = 0;
    qint64 po = 0;
    qint64 delka() const { return (od <= po ? po - od : od - po) + 1; }
    bool operator==(const Usek &) const = default;
};

// A list may name at most this many rooms in all (650 MB of records), so
// that a slip such as "1-100000,1-100000,…" cannot fill a disk.
constexpr qint64 nejviceVSeznamu = 1'000'000;

// One room number of a file with `pocet` rooms: decimal digits only, 1 to
// pocet. Any number of digits is read without overflow. *duvod says why a
// text is refused.
std::optional<qint64> rozeberCislo(QStringView text, qint64 pocet, QString *duvod);

// A comma-separated list of numbers and runs "a-b", in the order given,
// repeats allowed. Nothing is skipped: an empty item, a sign, a space, a
// run with a missing end or a number outside 1..pocet refuses the whole
// list. The runs are not spelled out, so a long run costs nothing.
std::optional<QList<Usek>> rozeberCisla(QStringView text, qint64 pocet, QString *duvod);

} // namespace vinula::mistnosti
