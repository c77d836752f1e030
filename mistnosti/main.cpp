// vinula-mistnosti: lists, checks, draws and rearranges the rooms of room
// files, from the command line. See `vinula-mistnosti --help`.

#include "prikazy.h"
#include "souhrn.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringDecoder>
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
    QTextStream chyby(stderr);
    // The arguments are the user's, read here: a file may be called
    // "-platform". A name in bytes the system's encoding cannot carry could
    // not be opened under any text, so it is refused for what it is.
    QStringList argumenty;
    for (int i = 1; i < argc; ++i) {
        QStringDecoder dekoder(QStringDecoder::System);
        QString argument = dekoder(QByteArrayView(argv[i]));
        if (dekoder.hasError()) {
            argument.replace(QChar::ReplacementCharacter, u'?');
            chyby << "vinula-mistnosti: " << vinula::mistnosti::naRadek(argument)
                  << ": název není platný text v kódování systému, soubor s ním nelze "
                     "otevřít; přejmenujte ho\n";
            return vinula::mistnosti::chybnyVstup;
        }
        argumenty.append(argument);
    }

    // Qt gets the program's name only. Only the sheet's labels need fonts,
    // and so a GUI application; its offscreen platform needs no display. The
    // other sub-commands start without loading any platform.
    int pocetProQt = 1;
    std::unique_ptr<QCoreApplication> aplikace;
    if (!argumenty.isEmpty() && argumenty[0] == QLatin1String("obrazek")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        puvodniHlaseni = qInstallMessageHandler(bezRuntimeSlozky);
        aplikace = std::make_unique<QGuiApplication>(pocetProQt, argv);
    } else {
        aplikace = std::make_unique<QCoreApplication>(pocetProQt, argv);
    }
    QTextStream ven(stdout);
    const int vysledek = vinula::mistnosti::spust(argumenty, {ven, chyby});
    ven.flush();
    chyby.flush();
    return vysledek;
}
