#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

#include <memory>

class QIODevice;

namespace vinula::mistnosti {

// Text on its way to an output (the results or the messages): gathered as
// UTF-8 bytes and handed to the device in large blocks. The first failed
// write is remembered; what comes after it is dropped.
class Kanal {
public:
    explicit Kanal(QIODevice &zarizeni);
    Kanal(const Kanal &) = delete;
    Kanal &operator=(const Kanal &) = delete;

    Kanal &operator<<(QByteArrayView utf8);
    Kanal &operator<<(const char *utf8) { return *this << QByteArrayView(utf8); }
    Kanal &operator<<(const QByteArray &utf8) { return *this << QByteArrayView(utf8); }
    Kanal &operator<<(char znak) { return *this << QByteArrayView(&znak, 1); }
    Kanal &operator<<(QStringView text);
    Kanal &operator<<(const QString &text) { return *this << QStringView(text); }
    Kanal &operator<<(int cislo) { return vpravo(cislo, 0); }
    Kanal &operator<<(qint64 cislo) { return vpravo(cislo, 0); }

    // The number right-aligned in `sirka` characters.
    Kanal &vpravo(qint64 cislo, int sirka);
    // The text left-aligned in `sirka` characters.
    Kanal &vlevo(QByteArrayView utf8, int sirka);
    Kanal &mezery(int pocet);

    // Hands everything gathered so far to the device; false when this or an
    // earlier write failed.
    bool flush();
    // Why a write failed, or an empty text while none has.
    QString chyba() const { return chyba_; }

    // Lines that report work done (a file written), kept so that they can
    // be told another way should this output fail.
    void zapsano(const QString &radek) { zapsane_.append(radek); }
    QStringList zapsane() const { return zapsane_; }

private:
    // Room for `delka` more bytes, which must fit into one block.
    char *misto(qsizetype delka);

    QIODevice &zarizeni_;
    QStringEncoder utf8_{QStringEncoder::Utf8};
    std::unique_ptr<char[]> blok_;
    qsizetype plno_ = 0;
    QString chyba_;
    QStringList zapsane_;
};

} // namespace vinula::mistnosti
