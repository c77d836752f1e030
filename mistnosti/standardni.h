#pragma once

#include <QIODevice>

#include <cstdio>

// The program's standard output and error as devices that say why a write
// failed, and the set-up that makes such a failure visible at all.
namespace vinula::mistnosti {

// Writes straight to the stream's file descriptor, with no buffer of its own
// (the caller gathers large blocks). A failed write is -1, and errorString()
// names the real reason from the system's error number.
class StandardniProud : public QIODevice {
public:
    // Opens itself for writing.
    explicit StandardniProud(std::FILE *proud);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 delka) override;

private:
    std::FILE *proud_;
};

// Run first in main(), before anything opens a file. A closed standard
// descriptor (0, 1 or 2) is taken by a read-only /dev/null, so that the next
// file the program opens cannot become its output and a write to it fails
// for all to see. A broken pipe ends the program quietly, as it does every
// command-line tool, even when the parent left SIGPIPE ignored or blocked.
void pripravStandardniProudy();

} // namespace vinula::mistnosti
