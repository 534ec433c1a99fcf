#include "app/VersieStempel.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <optional>

#ifndef VOLTARIX_VERSIE
#error "The build passes VOLTARIX_VERSIE, the project's version as four numbers."
#endif

namespace {

// "@(#)" marks a text that tools such as what(1) find in a binary.
constexpr char kBegin[] = "@(#)Voltarix version ";
constexpr int kNummers = 4;
constexpr int kMaxCijfers = 5; // 65535, the largest 16-bit number
constexpr qsizetype kMaxLengte = sizeof(kBegin) - 1 + qsizetype{kNummers} * (kMaxCijfers + 1);
constexpr qint64 kBlok = 1 << 20;

const QString kFout = QStringLiteral("Error");

// The stamp itself. `used` keeps it in the executable although nothing reads the
// variable; eigenVersie() below makes sure this object file is linked in.
[[gnu::used]] const char kStempel[] = "@(#)Voltarix version " VOLTARIX_VERSIE;

// The four numbers that follow a stamp's beginning at `at`, each a 16-bit number, with
// a dot between them and the text's end (a zero byte) behind them.
std::optional<QString> leesNummers(QByteArrayView bytes, qsizetype at) {
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

// The first valid stamp among the first `grens` bytes of `bytes`; the bytes after
// `grens` only finish a stamp that begins before it.
std::optional<QString> zoekStempel(QByteArrayView bytes, qsizetype grens) {
    const qsizetype lengte = sizeof(kBegin) - 1;
    const char *begin = bytes.data();
    for (const char *p = begin; p < begin + grens; ++p) {
        // memchr finds the first character at memory speed; most files hold few '@'s.
        p = static_cast<const char *>(std::memchr(p, kBegin[0], size_t(begin + grens - p)));
        if (!p) break;
        const qsizetype at = p - begin;
        if (bytes.size() - at >= lengte && std::memcmp(p, kBegin, size_t(lengte)) == 0)
            if (auto versie = leesNummers(bytes, at + lengte)) return versie;
    }
    return std::nullopt;
}

} // namespace

namespace VersieStempel {

QString GetFileVersion(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return kFout;
    // The file is read in blocks; the last bytes of a block, which could hold the start
    // of a stamp that runs on into the next block, move to the front and are looked
    // at with that next block.
    QByteArray venster(kBlok + kMaxLengte, Qt::Uninitialized);
    qsizetype gevuld = 0;
    for (;;) {
        const qint64 gelezen = file.read(venster.data() + gevuld, kBlok);
        if (gelezen < 0) return kFout;
        gevuld += gelezen;
        const bool einde = gelezen == 0 || file.atEnd();
        const qsizetype grens = einde ? gevuld : std::max<qsizetype>(0, gevuld - (kMaxLengte - 1));
        const QByteArrayView gelezenDeel(venster.constData(), gevuld);
        if (const auto versie = zoekStempel(gelezenDeel, grens)) return *versie;
        if (einde) return kFout;
        std::memmove(venster.data(), venster.constData() + grens, size_t(gevuld - grens));
        gevuld -= grens;
    }
}

QString eigenVersie() {
    const QByteArrayView stempel(kStempel, sizeof(kStempel)); // with its closing zero byte
    return leesNummers(stempel, sizeof(kBegin) - 1).value_or(kFout);
}

QByteArray stempel(const QString &versie) {
    return QByteArray(kBegin) + versie.toLatin1() + '\0';
}

} // namespace VersieStempel
