#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// What every fixed window layout shares: twips, labels, the dialog font and
// the warning box.
namespace vinula {

// Window layouts are drawn up in twips, 15 to a pixel.
constexpr int twipuNaPixel = 15;

constexpr QRect zTwipu(int left, int top, int width, int height) {
    return QRect(left / twipuNaPixel, top / twipuNaPixel, width / twipuNaPixel,
                 height / twipuNaPixel);
}

// A label at its place in the layout, its text at the top left. Its text is
// always plain: labels show room names and paths that come from other
// people's files, which must never be taken for markup.
QLabel *novyPopisek(QWidget *rodic, const char *jmeno, const QString &text, QRect kde);

// The fixed layouts' fonts are sized in pixels, as the layouts are: a size in
// points grows with the desktop's DPI setting while the boxes stay as they
// are, and the text would no longer fit them.

// The dialogs' and the palette's font, small and narrow like the one the
// layouts were made for: the usual desktop font would not fit the labels'
// fixed widths.
QFont pismoDialogu();

// The information windows' face at `pixely` pixels: "MS Sans Serif" where the
// system has it, else the condensed DejaVu Sans, which runs about as narrow.
QFont pismoInformaci(int pixely);

// A modal warning with a single OK; the text is shown as plain text.
void varovani(QWidget *rodic, const QString &titulek, const QString &text);

} // namespace vinula
