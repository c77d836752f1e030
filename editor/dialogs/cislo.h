#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <string_view>

namespace vinula {

// The number at the start of a text, read the classic way: blanks anywhere
// are skipped, then an optional sign, digits with "." as the decimal point
// and an optional exponent ("1e2"); reading stops at the first character
// that cannot continue the number. A text that starts with no number reads
// as 0; one too large for a double reads as infinity.
double ctiCislo(QStringView text);

// A number written the C way ("-12.5e3": optional sign, digits with "." as the
// decimal point, optional exponent; nothing else, no blanks). A value too
// large for a double becomes an infinity and one too small becomes 0, each
// with its sign: a count of 1e400 is simply "more than fits". Nothing for a
// text that is not such a number ("inf", "nan" and "0x10" are not).
std::optional<double> desetinneCislo(std::string_view text);

// The room typed in `text` when it is one of `pocet` rooms: a whole number
// from 1 to pocet. A fraction such as 1.5 names no room.
std::optional<qint32> zvolenaMistnost(QStringView text, qint64 pocet);

} // namespace vinula
