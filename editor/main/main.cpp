#include "main/editor.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    vinula::Editor editor;
    editor.show();
    return app.exec();
}
