#include "roomfile.h"

#include "cp1250.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vinula::roomfile {

static_assert(delkaNazvu + delkaMrizky == delkaZaznamu);
static_assert(posunBunky(0, 0) == 50 && posunBunky(0, 1) == 51 && posunBunky(1, 0) == 70);
static_assert(posunBunky(Mistnost::sirka - 1, Mistnost::vyska - 1) == delkaZaznamu - 1);

namespace {

void nastavDuvod(QString *duvod, const QString &text) {
    if (duvod)
        *duvod = text;
}

QString kratsiSoubor() {
    return QStringLiteral("soubor je kratší, než místnost vyžaduje");
}
QString chybaCteni() {
    return QStringLiteral("chyba při čtení souboru");
}
QString chybaZapisu() {
    return QStringLiteral("chyba při zápisu, disk je možná plný");
}
QString nevracenaDelka() {
    return QStringLiteral("chyba při zápisu; soubor se nepodařilo vrátit na původní délku");
}

// Text mode would turn "\r\n" inside a record into "\n"; records are binary.
class BezTextovehoRezimu {
public:
    explicit BezTextovehoRezimu(QIODevice &zarizeni)
        : zarizeni_(zarizeni), byl_(zarizeni.isTextModeEnabled()) {
        zarizeni_.setTextModeEnabled(false);
    }
    ~BezTextovehoRezimu() { zarizeni_.setTextModeEnabled(byl_); }
    BezTextovehoRezimu(const BezTextovehoRezimu &) = delete;
    BezTextovehoRezimu &operator=(const BezTextovehoRezimu &) = delete;

private:
    QIODevice &zarizeni_;
    bool byl_;
};

// The first `delka` bytes of room n's record, read with a single call.
std::optional<QByteArray> nactiZacatek(QIODevice &soubor, qint64 n, qint64 delka, QString *duvod) {
    if (!soubor.isOpen() || !soubor.isReadable()) {
        nastavDuvod(duvod, QStringLiteral("soubor není otevřen pro čtení"));
        return std::nullopt;
    }
    if (soubor.isSequential()) {
        nastavDuvod(duvod, QStringLiteral("v souboru nelze přecházet na libovolné místo"));
        return std::nullopt;
    }
    if (n < 1) {
        nastavDuvod(duvod, QStringLiteral("místnosti se číslují od 1"));
        return std::nullopt;
    }
    // Compared before multiplying, so that no room number can overflow.
    if (n > soubor.size() / delkaZaznamu) {
        nastavDuvod(duvod, kratsiSoubor());
        return std::nullopt;
    }
    BezTextovehoRezimu binarne(soubor);
    if (!soubor.seek((n - 1) * delkaZaznamu)) {
        nastavDuvod(duvod, chybaCteni());
        return std::nullopt;
    }
    QByteArray data(delka, Qt::Uninitialized);
    const qint64 precteno = soubor.read(data.data(), delka);
    if (precteno < 0) {
        nastavDuvod(duvod, chybaCteni());
        return std::nullopt;
    }
    // The file may have been shortened since its size was taken.
    if (precteno != delka) {
        nastavDuvod(duvod, kratsiSoubor());
        return std::nullopt;
    }
    return data;
}

// Writes after the file's last byte; cutting back after a failure is the
// caller's, who knows the length to go back to.
bool zapisNaKonec(QFileDevice &soubor, QByteArrayView data) {
    BezTextovehoRezimu binarne(soubor);
    if (!soubor.openMode().testFlag(QIODevice::Append) && !soubor.seek(soubor.size()))
        return false;
    return soubor.write(data.data(), data.size()) == data.size();
}

// Only a regular file: opening a FIFO would block until someone writes to it.
bool obycejnySoubor(const QFileInfo &info, QString *duvod) {
    if (info.isDir()) {
        nastavDuvod(duvod, QStringLiteral("zadaná cesta vede ke složce, ne k souboru"));
        return false;
    }
    if (!info.isFile()) {
        nastavDuvod(duvod, QStringLiteral("zadaná cesta nevede k obyčejnému souboru"));
        return false;
    }
    return true;
}

} // namespace

bool otevriProCteni(QFile &soubor, QString *duvod) {
    const QFileInfo info(soubor.fileName());
    if (!info.exists()) {
        nastavDuvod(duvod, QStringLiteral("soubor neexistuje"));
        return false;
    }
    if (!obycejnySoubor(info, duvod))
        return false;
    if (!soubor.open(QIODevice::ReadOnly)) {
        nastavDuvod(duvod, QStringLiteral("soubor nelze otevřít"));
        return false;
    }
    return true;
}

qint64 pocetMistnosti(qint64 delkaSouboru) {
    if (delkaSouboru < 0 || delkaSouboru % delkaZaznamu != 0)
        return -1;
    return delkaSouboru / delkaZaznamu;
}

std::optional<QString> nactiNazev(QIODevice &soubor, qint64 n, QString *duvod) {
    const auto data = nactiZacatek(soubor, n, delkaNazvu, duvod);
    if (!data)
        return std::nullopt;
    return nazevZaznamu(*data);
}

std::optional<QString> nactiNazev(const QString &cesta, qint64 n, QString *duvod) {
    QFile soubor(cesta);
    if (!otevriProCteni(soubor, duvod))
        return std::nullopt;
    return nactiNazev(soubor, n, duvod);
}

std::optional<QByteArray> nactiZaznamy(QIODevice &soubor, qint64 od, qint64 pocet, QString *duvod) {
    if (pocet < 1) {
        nastavDuvod(duvod, QStringLiteral("není co číst"));
        return std::nullopt;
    }
    // Checked before anything is allocated: a count from the command line
    // must not reserve gigabytes for a file that cannot hold them.
    if (soubor.isOpen() && pocet > soubor.size() / delkaZaznamu) {
        nastavDuvod(duvod, kratsiSoubor());
        return std::nullopt;
    }
    return nactiZacatek(soubor, od, pocet * delkaZaznamu, duvod);
}

QString nazevZaznamu(QByteArrayView zaznam) {
    return cp1250::dekoduj(zaznam.first(delkaNazvu));
}

void bunkyZaznamu(QByteArrayView zaznam, Mistnost &mistnost) {
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            mistnost.nastav(x, y, static_cast<Kod>(zaznam[posunBunky(x, y)]));
}

bool nactiMistnost(QIODevice &soubor, qint64 n, Mistnost &mistnost, QString &nazev,
                   QString *duvod) {
    const auto data = nactiZacatek(soubor, n, delkaZaznamu, duvod);
    if (!data)
        return false;
    bunkyZaznamu(*data, mistnost);
    nazev = nazevZaznamu(*data);
    return true;
}

bool nactiMistnost(const QString &cesta, qint64 n, Mistnost &mistnost, QString &nazev,
                   QString *duvod) {
    QFile soubor(cesta);
    if (!otevriProCteni(soubor, duvod))
        return false;
    return nactiMistnost(soubor, n, mistnost, nazev, duvod);
}

QByteArray zaznam(const QString &nazev, const Mistnost &mistnost) {
    QByteArray data(delkaZaznamu, ' ');
    // A decomposed "C" + combining caron is still one letter, Č, not "C?".
    const QByteArray jmeno = cp1250::zakoduj(nazev.normalized(QString::NormalizationForm_C));
    std::copy_n(jmeno.constData(), std::min<qsizetype>(jmeno.size(), delkaNazvu), data.data());
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            data[posunBunky(x, y)] = static_cast<char>(mistnost.bunka(x, y));
    return data;
}

bool pripojMistnost(QFileDevice &soubor, const QString &nazev, const Mistnost &mistnost,
                    QString *duvod) {
    if (!soubor.isOpen() || !soubor.isWritable()) {
        nastavDuvod(duvod, QStringLiteral("soubor není otevřen pro zápis"));
        return false;
    }
    if (!soubor.openMode().testFlag(QIODevice::Unbuffered)) {
        nastavDuvod(duvod, QStringLiteral("soubor je otevřen s vyrovnávací pamětí"));
        return false;
    }
    const qint64 predtim = soubor.size();
    if (zapisNaKonec(soubor, zaznam(nazev, mistnost)))
        return true;
    const bool vraceno = soubor.size() == predtim || soubor.resize(predtim);
    nastavDuvod(duvod, vraceno ? chybaZapisu() : nevracenaDelka());
    return false;
}

bool pripojMistnost(const QString &cesta, const QString &nazev, const Mistnost &mistnost,
                    QString *duvod) {
    Pripojeni pripojeni(cesta);
    return pripojeni.otevri(duvod) && pripojeni.zapis(zaznam(nazev, mistnost), duvod) &&
           pripojeni.dokonci(duvod);
}

Pripojeni::Pripojeni(const QString &cesta) : cesta_(cesta) {}

Pripojeni::~Pripojeni() {
    if (soubor_ && !hotovo_)
        vrat();
}

bool Pripojeni::otevri(QString *duvod) {
    if (cesta_.isEmpty()) {
        nastavDuvod(duvod, QStringLiteral("není zadán název souboru"));
        return false;
    }
    const QFileInfo info(cesta_);
    existoval_ = info.exists();
    if (existoval_ && !obycejnySoubor(info, duvod))
        return false;
    // Unbuffered: bytes left in Qt's write buffer would reach the disk after
    // a cut-back.
    auto soubor = std::make_unique<QFile>(cesta_);
    if (!soubor->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        nastavDuvod(duvod, QStringLiteral("soubor nelze otevřít pro zápis"));
        return false;
    }
    puvodniDelka_ = soubor->size();
    // What was opened: through a symbolic link that is the link's target, and
    // a target made here is the file to take away again, not the link.
    otevreny_ = QFileInfo(cesta_).canonicalFilePath();
    soubor_ = std::move(soubor);
    return true;
}

bool Pripojeni::zapis(QByteArrayView data, QString *duvod) {
    if (!soubor_ || hotovo_) {
        nastavDuvod(duvod, QStringLiteral("soubor není otevřen pro zápis"));
        return false;
    }
    if (zapisNaKonec(*soubor_, data))
        return true;
    nastavDuvod(duvod, vrat() ? chybaZapisu() : nevracenaDelka());
    return false;
}

bool Pripojeni::dokonci(QString *duvod) {
    if (!soubor_ || hotovo_) {
        nastavDuvod(duvod, QStringLiteral("soubor není otevřen pro zápis"));
        return false;
    }
    soubor_->close();
    // Some file systems (network drives) report a failed write only on close.
    if (soubor_->error() != QFileDevice::NoError) {
        nastavDuvod(duvod, vrat() ? chybaZapisu() : nevracenaDelka());
        return false;
    }
    hotovo_ = true;
    return true;
}

bool Pripojeni::vrat() {
    hotovo_ = true;
    soubor_->close();
    if (!existoval_ && !otevreny_.isEmpty())
        return QFile::remove(otevreny_) || !QFileInfo::exists(otevreny_);
    return QFileInfo(cesta_).size() == puvodniDelka_ || QFile::resize(cesta_, puvodniDelka_);
}

} // namespace vinula::roomfile
