#pragma once

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QRect>

namespace vinula {

// Window layouts are drawn up in twips, 15 to a pixel.
constexpr int twipuNaPixel = 15;

constexpr QRect zTwipu(int left, int top, int width, int height) {
    return QRect(left / twipuNaPixel, top / twipuNaPixel, width / twipuNaPixel,
                 height / twipuNaPixel);
}

// A label at its place in the layout, its text at the top left.
inline QLabel *novyPopisek(QWidget *rodic, const char *jmeno, const QString &text, QRect kde) {
    auto *label = new QLabel(text, rodic);
    label->setObjectName(QLatin1String(jmeno));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(kde);
    return label;
}

// The layouts were made for a small, narrow font; the usual desktop font would
// not fit the labels' fixed widths.
inline QFont pismoDialogu() {
    QFont pismo = QApplication::font();
    pismo.setPointSize(8);
    pismo.setStretch(QFont::Condensed);
    return pismo;
}

} // namespace vinula
