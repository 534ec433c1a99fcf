#include "app/VersieStempel.h"

#include <QFile>

#include <optional>

#ifndef VOLTARIX_VERSIE
#error "The build passes VOLTARIX_VERSIE, the project's version as four numbers."
#endif

namespace {

// "@(#)" marks a text that tools such as what(1) find in a binary.
constexpr char kBegin[] = "@(#)Voltarix version ";
constexpr int kNummers = 4;
constexpr int kMaxCijfers = 5; // 65535, the largest 16-bit number
constexpr qsizetype kMaxLengte = sizeof(kBegin) - 1 + kNummers * (kMaxCijfers + 1);
constexpr qint64 kBlok = 1 << 20;

const QString kFout = QStringLiteral("Error");

// The stamp itself. `used` keeps it in the executable although nothing reads the
// variable; eigenVersie() below makes sure this object file is linked in.
[[gnu::used]] const char kStempel[] = "@(#)Voltarix version " VOLTARIX_VERSIE;

// The four numbers that follow a stamp's beginning at `at`, each a 16-bit number, with
// a dot between them and the text's end (a zero byte) behind them.
std::optional<QString> leesNummers(const QByteArray &bytes, qsizetype at) {
    QStringList nummers;
    for (int n = 0; n < kNummers; ++n) {
        int waarde = 0, cijfers = 0;
        for (; at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9'; ++at, ++cijfers) {
            if (cijfers == kMaxCijfers) return std::nullopt;
            waarde = waarde * 10 + (bytes[at] - '0');
        }
        if (cijfers == 0 || waarde > 0xffff || at >= bytes.size()) return std::nullopt;
        const char scheiding = n + 1 < kNummers ? '.' : '\0';
        if (bytes[at++] != scheiding) return std::nullopt;
        nummers << QString::number(waarde);
    }
    return nummers.join(QLatin1Char('.'));
}

} // namespace

namespace VersieStempel {

QString GetFileVersion(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return kFout;
    const QByteArray begin(kBegin);
    // The file is read in blocks; the last bytes of a block, which could hold the start
    // of a stamp that runs on into the next block, are looked at with that block.
    QByteArray venster;
    for (;;) {
        const QByteArray blok = file.read(kBlok);
        if (file.error() != QFileDevice::NoError) return kFout;
        venster += blok;
        const bool einde = blok.size() < kBlok || file.atEnd();
        const qsizetype grens = einde ? venster.size() : venster.size() - (kMaxLengte - 1);
        for (qsizetype at = venster.indexOf(begin); at >= 0 && at < grens;
             at = venster.indexOf(begin, at + 1)) {
            if (const auto versie = leesNummers(venster, at + begin.size())) return *versie;
        }
        if (einde) return kFout;
        venster = venster.mid(grens);
    }
}

QString eigenVersie() {
    const QByteArray stempel(kStempel, sizeof(kStempel)); // with its closing zero byte
    return leesNummers(stempel, sizeof(kBegin) - 1).value_or(kFout);
}

QByteArray stempel(const QString &versie) {
    return QByteArray(kBegin) + versie.toLatin1() + '\0';
}

} // namespace VersieStempel
