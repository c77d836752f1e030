// Writes the program's icon: the vinula picture enlarged without smoothing,
// so the pixel art stays sharp. Usage: vinula-icon <size> <file.png>
#include "items/obrazky.h"

#include <QImage>
#include <QString>

int main(int argc, char *argv[]) {
    if (argc != 3)
        return 2;
    const int velikost = QString::fromLocal8Bit(argv[1]).toInt();
    if (velikost < 20 || velikost > 1024)
        return 2;
    const QImage ikona = vinula::obrazky::hlava().scaled(velikost, velikost, Qt::IgnoreAspectRatio,
                                                         Qt::FastTransformation);
    return ikona.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
