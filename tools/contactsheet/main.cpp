// Paints every item picture onto one PNG so the whole set can be reviewed at
// a glance: each picture enlarged three times with its code and name under it.
//
//   vinula-contact-sheet out.png

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextStream>
#include <vector>

namespace {

struct Picture {
    QString resource; // e.g. ":/items/zed3.xpm"
    QString label;    // first line under the picture
    QString code;     // second line under the picture
};

std::vector<Picture> allPictures() {
    std::vector<Picture> list;
    auto add = [&list](const QString &stem, const QString &label, const QString &code) {
        list.push_back({QStringLiteral(":/items/%1.xpm").arg(stem), label, code});
    };
    add(QStringLiteral("volno"), QStringLiteral("volno"), QStringLiteral("0"));
    add(QStringLiteral("hlava"), QStringLiteral("hlava"), QStringLiteral("1"));
    for (int i = 0; i <= 8; ++i)
        add(QStringLiteral("zed%1").arg(i), QStringLiteral("zed %1").arg(i),
            QString::number(50 + i));
    for (int i = 0; i <= 62; ++i)
        add(QStringLiteral("zradlo%1").arg(i), QStringLiteral("zradlo %1").arg(i),
            QString::number(100 + i));
    add(QStringLiteral("neznamy"), QStringLiteral("neznamy"), QStringLiteral("?"));
    return list;
}

constexpr int scale = 3;
constexpr int side = 20 * scale;
constexpr int columns = 10;
constexpr int cellWidth = 84;
constexpr int cellHeight = side + 40;
constexpr int margin = 10;

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: vinula-contact-sheet <out.png>\n";
        return 2;
    }

    const std::vector<Picture> pictures = allPictures();
    const int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
    QImage sheet(2 * margin + columns * cellWidth, 2 * margin + rows * cellHeight,
                 QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));

    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);

    int failures = 0;
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        const Picture &p = pictures[n];
        const int x = margin + static_cast<int>(n % columns) * cellWidth;
        const int y = margin + static_cast<int>(n / columns) * cellHeight;
        const QImage image(p.resource);
        const QRect target(x + (cellWidth - side) / 2, y, side, side);
        if (image.isNull()) {
            err << "cannot load " << p.resource << '\n';
            ++failures;
            painter.fillRect(target, Qt::red);
        } else {
            if (image.size() != QSize(20, 20)) {
                err << p.resource << " is " << image.width() << " x " << image.height()
                    << ", not 20 x 20\n";
                ++failures;
            }
            // Nearest-neighbour scaling keeps the pixels sharp.
            painter.drawImage(target, image.scaled(side, side));
        }
        const QRect text(x, y + side + 2, cellWidth, 16);
        painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, p.label);
        painter.drawText(text.translated(0, 15), Qt::AlignHCenter | Qt::AlignTop, p.code);
    }
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        err << "cannot write " << argv[1] << '\n';
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
