#include "rozvrzeni.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>

namespace vinula {

QLabel *novyPopisek(QWidget *rodic, const char *jmeno, const QString &text, QRect kde) {
    auto *label = new QLabel(rodic);
    label->setObjectName(QLatin1String(jmeno));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(kde);
    return label;
}

namespace {

// DejaVu Sans where it is installed, the desktop's own sans face elsewhere.
QFont bezpatkove() {
    QFont pismo;
    pismo.setFamilies({QStringLiteral("DejaVu Sans"),
                       QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    pismo.setStyleHint(QFont::SansSerif);
    return pismo;
}

} // namespace

QFont pismoDialogu() {
    // 11 pixels is the layouts' own 8 points at 96 dots an inch. At 11 pixels
    // the ascent of DejaVu Sans holds the háček of a capital, which at 10 and
    // 12 pixels rises above it.
    QFont pismo = bezpatkove();
    pismo.setPixelSize(11);
    pismo.setStretch(QFont::Condensed);
    return pismo;
}

QFont pismoInformaci(int pixely) {
    const QString puvodni = QStringLiteral("MS Sans Serif");
    QFont pismo = bezpatkove();
    if (QFontDatabase::hasFamily(puvodni))
        pismo.setFamily(puvodni);
    else
        pismo.setStretch(QFont::SemiCondensed);
    pismo.setPixelSize(pixely);
    return pismo;
}

void varovani(QWidget *rodic, const QString &titulek, const QString &text) {
    QMessageBox box(QMessageBox::Warning, titulek, text, QMessageBox::Ok, rodic);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace vinula
