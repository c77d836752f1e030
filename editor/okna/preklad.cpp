#include "preklad.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace vinula {

QTranslator *nainstalujCestinu() {
    auto *preklad = new QTranslator(QCoreApplication::instance());
    if (!preklad->load(QStringLiteral(":/preklady/qtbase_cs.qm")) ||
        !QCoreApplication::installTranslator(preklad)) {
        delete preklad;
        return nullptr;
    }
    return preklad;
}

} // namespace vinula
