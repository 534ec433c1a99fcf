#include "app/Settings.h"

#include "ui/DiskNames.h"
#include "ui/OwnFile.h"

#include <QFile>
#include <QList>

namespace Settings {

namespace {

const QByteArray kIdentificatie = "Voltarix - schakelingen tekenen - 2026";
const QByteArray kScheiding = "--------------------------";
constexpr qint64 kMaxSize = 4096; // the file is three short lines

// A text record: a quoted text, or a bare one as the old program also read.
bool isTextRecord(const QByteArray &record) {
    if (record.startsWith('"'))
        return record.size() >= 2 && record.endsWith('"') && record.count('"') == 2;
    return !record.contains('"') && !record.contains('#');
}

} // namespace

QByteArray tekst(bool BBgroot) {
    return '"' + kIdentificatie + "\"\r\n\"" + kScheiding + "\"\r\n" +
           (BBgroot ? "#TRUE#" : "#FALSE#") + "\r\n";
}

std::optional<bool> leesTekst(const QByteArray &content) {
    if (content.size() > kMaxSize || content.contains('\0')) return std::nullopt;
    QList<QByteArray> records = content.split('\n');
    for (QByteArray &record : records)
        record = record.trimmed(); // also drops the CR of CR LF
    while (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    if (records.size() != 3 || !isTextRecord(records[0]) || !isTextRecord(records[1]))
        return std::nullopt;
    if (records[2] == "#TRUE#") return true;
    if (records[2] == "#FALSE#") return false;
    return std::nullopt;
}

std::optional<bool> lees(const QString &path) {
    // A pipe of that name would block the start for ever: only a plain file is read.
    const std::optional<QByteArray> content = DiskNames::read(QFile::encodeName(path), kMaxSize);
    return content ? leesTekst(*content) : std::nullopt;
}

bool schrijf(const QString &path, bool BBgroot) {
    return OwnFile::write(path, tekst(BBgroot));
}

} // namespace Settings
