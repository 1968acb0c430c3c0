// Runs a fuzz target without libFuzzer: first every saved input named on
// the command line (files or folders), then seeded random inputs built
// from the characters that matter to a calculator.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

void runInput(const QByteArray &input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
}

QByteArray randomInput(QRandomGenerator &random)
{
    static const char alphabet[] = "0123456789.......----++  \t\0\0\0\0e,abx";
    const int length = int(random.bounded(96));
    QByteArray input(length, Qt::Uninitialized);
    const bool raw = random.bounded(4) == 0;
    for (char &byte : input)
        byte = raw ? char(random.bounded(256)) : alphabet[random.bounded(int(sizeof alphabet - 1))];
    if (random.bounded(16) == 0) // now and then, a number far beyond the double range
        input.prepend(QByteArray(int(random.bounded(400)), '9'));
    return input;
}

} // namespace

int main(int argc, char **argv)
{
    long runs = 100000;
    quint32 seed = 20261207;
    int saved = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QStringLiteral("-runs="))) {
            runs = arg.mid(6).toLong();
        } else if (arg.startsWith(QStringLiteral("-seed="))) {
            seed = arg.mid(6).toUInt();
        } else if (arg.startsWith(u'-')) {
            continue; // a libFuzzer option this driver does without
        } else {
            QStringList files{arg};
            if (QFileInfo(arg).isDir()) {
                files.clear();
                for (const QFileInfo &entry : QDir(arg).entryInfoList(QDir::Files))
                    files << entry.filePath();
            }
            for (const QString &path : files) {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly)) {
                    runInput(file.readAll());
                    ++saved;
                }
            }
        }
    }
    QRandomGenerator random(seed);
    for (long run = 0; run < runs; ++run)
        runInput(randomInput(random));
    std::printf("%d saved and %ld random inputs: every property held\n", saved, runs);
    return 0;
}
