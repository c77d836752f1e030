#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <string_view>

namespace vinula {

// Three readings of a typed number, each named for what it reads. In all of
// them "." is the decimal point whatever the user's locale, and only the ASCII
// digits are digits.

// The number a text starts with, read the classic way (the load dialog's room
// number): blanks (space, tab, line breaks) anywhere are skipped, then an
// optional sign, digits and an optional exponent ("1e2"); reading stops at
// the first character that cannot continue the number. A text that starts
// with no number reads as 0; one too large for a double reads as infinity.
double cisloZeZacatku(QStringView text);

// The whole text as a number written the C way ("-12.5e3": optional sign,
// digits, optional exponent; nothing else, no blanks). A value too large for a
// double becomes an infinity and one too small becomes 0, each with its sign:
// a count of 1e400 is simply "more than fits". Nothing for a text that is not
// such a number ("inf", "nan" and "0x10" are not).
std::optional<double> cisloVeTvaruC(std::string_view text);

// What a box of the placement dialog holds: surrounding white space is
// ignored and the rest must be a number as cisloVeTvaruC reads it. An empty
// box reads as 0, like a field that was never set. Nothing for anything else.
std::optional<double> cisloCelehoPole(const QString &text);

// The room typed in `text` when it is one of `pocet` rooms: a whole number
// from 1 to pocet. A fraction such as 1.5 names no room.
std::optional<qint32> zvolenaMistnost(QStringView text, qint64 pocet);

} // namespace vinula
