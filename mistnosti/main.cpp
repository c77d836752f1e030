// vinula-mistnosti: lists, checks, draws and rearranges the rooms of room
// files, from the command line. See `vinula-mistnosti --help`.

#include "prikazy.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstring>
#include <memory>

namespace {

QtMessageHandler puvodniHlaseni = nullptr;

// The offscreen platform warns that it has no runtime folder, which it never
// uses; everything else goes through.
void bezRuntimeSlozky(QtMsgType druh, const QMessageLogContext &kontext, const QString &text) {
    if (druh == QtWarningMsg && text.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    puvodniHlaseni(druh, kontext, text);
}

} // namespace

int main(int argc, char **argv) {
    // Only the sheet's labels need fonts, and so a GUI application; its
    // offscreen platform needs no display. The other sub-commands start
    // without loading any platform.
    std::unique_ptr<QCoreApplication> aplikace;
    if (argc > 1 && std::strcmp(argv[1], "obrazek") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        puvodniHlaseni = qInstallMessageHandler(bezRuntimeSlozky);
        aplikace = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        aplikace = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream ven(stdout);
    QTextStream chyby(stderr);
    const int vysledek = vinula::mistnosti::spust(aplikace->arguments().mid(1), {ven, chyby});
    ven.flush();
    chyby.flush();
    return vysledek;
}
