#include "rozvrzeni.h"

#include <QApplication>
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

QFont pismoDialogu() {
    QFont pismo = QApplication::font();
    pismo.setPointSize(8);
    pismo.setStretch(QFont::Condensed);
    return pismo;
}

void varovani(QWidget *rodic, const QString &titulek, const QString &text) {
    QMessageBox box(QMessageBox::Warning, titulek, text, QMessageBox::Ok, rodic);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace vinula
