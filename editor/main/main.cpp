#include "items/obrazky.h"
#include "main/editor.h"
#include "okna/preklad.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    vinula::nainstalujCestinu();
    app.setWindowIcon(QIcon(QPixmap::fromImage(
        vinula::obrazky::hlava().scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation))));
    vinula::Editor editor;
    editor.show();
    return app.exec();
}
