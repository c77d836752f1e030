#pragma once

#include <QString>

namespace vinula {

// A failure's reason, for callers that asked for one (they pass a non-null
// pointer). Returns false, the failed result, so that a refusal is one line.
inline bool nastavDuvod(QString *duvod, const QString &text) {
    if (duvod)
        *duvod = text;
    return false;
}

} // namespace vinula
