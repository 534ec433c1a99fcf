#include "project/Herstelmap.h"

#include "project/HerstelSchrijver.h"
#include "ui/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

#include <algorithm>
#include <atomic>

const QString Herstelmap::kTitel = QStringLiteral(" Herstellen");

namespace {

const QString kApart = QStringLiteral(".onleesbaar");

QString bestand(const QString &map, const char *extensie) {
    return map + QLatin1Char('/') + HerstelSchrijver::kNaam + QLatin1String(extensie);
}

// When the copy was written: its design sheet's time, or the newest of what is left.
std::optional<QDateTime> geschreven(const QString &map) {
    const QFileInfo ontwerpBlad(bestand(map, ".ovb"));
    if (ontwerpBlad.isFile()) return ontwerpBlad.lastModified();
    std::optional<QDateTime> tijd;
    for (const char *extensie : {".brb", ".dat"}) {
        const QFileInfo info(bestand(map, extensie));
        if (info.isFile() && (!tijd || info.lastModified() > *tijd)) tijd = info.lastModified();
    }
    return tijd;
}

QString wanneer(const QDateTime &tijd) {
    const QLocale nederlands(QLocale::Dutch, QLocale::Netherlands);
    return nederlands.toString(tijd.date(), QStringLiteral("d MMMM yyyy")) +
           QStringLiteral(" om ") + nederlands.toString(tijd.time(), QStringLiteral("HH:mm"));
}

// A program killed between taking its lock and making its folder, or between
// removing its folder and letting go of its lock, leaves a bare lock behind.
void verwijderLosseLocks(const QString &map) {
    const QFileInfoList locks =
        QDir(map).entryInfoList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &info : locks) {
        if (QFileInfo::exists(info.path() + QLatin1Char('/') + info.completeBaseName())) continue;
        QLockFile slot(info.filePath());
        slot.setStaleLockTime(0);
        if (slot.tryLock(0)) slot.unlock();
    }
}

} // namespace

Herstelmap::Herstelmap(QString map) : map_(std::move(map)) {}

QString Herstelmap::nieuweKopieMap() const {
    static std::atomic<int> volgnummer{0}; // two windows of one process apart
    return map_ + QStringLiteral("/%1-%2-%3")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QDateTime::currentMSecsSinceEpoch())
                      .arg(volgnummer++);
}

QString Herstelmap::vraagTekst(const QDateTime &tijd) {
    return QStringLiteral("Er is een niet-opgeslagen ontwerp van %1 bewaard.\r\n"
                          "Wilt u dit ontwerp herstellen? Anders wordt het verwijderd.")
        .arg(wanneer(tijd));
}

QString Herstelmap::onleesbaarTekst(const QDateTime &tijd, const QString &apart) {
    return QStringLiteral("Er is een niet-opgeslagen ontwerp van %1 bewaard, maar het kan niet "
                          "worden gelezen.\r\nHet is apart gezet in de map:\r\n%2")
        .arg(wanneer(tijd), QDir::toNativeSeparators(apart));
}

std::vector<Herstelmap::Kopie> Herstelmap::achtergelaten() const {
    std::vector<Kopie> kopieen;
    const QFileInfoList mappen =
        QDir(map_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &info : mappen) {
        const QString map = info.filePath();
        // A removal cut off halfway is finished; copies set aside are left alone.
        if (map.endsWith(HerstelSchrijver::kWeg)) QDir(map).removeRecursively();
        if (info.fileName().contains(QLatin1Char('.'))) continue;
        auto slot = std::make_unique<QLockFile>(HerstelSchrijver::lockPad(map));
        slot->setStaleLockTime(0);
        if (!slot->tryLock(0)) continue; // its program still runs
        // A copy cut off after its marker is finished; one cut off before it, gone.
        ProjectMap(map).herstel();
        const std::optional<QDateTime> tijd = geschreven(map);
        if (!tijd) {
            HerstelSchrijver::verwijderMap(map);
            continue;
        }
        kopieen.push_back({map, *tijd, std::move(slot)});
    }
    verwijderLosseLocks(map_);
    std::sort(kopieen.begin(), kopieen.end(),
              [](const Kopie &a, const Kopie &b) { return a.tijd > b.tijd; });
    return kopieen;
}

std::optional<ProjectMap::Geladen> Herstelmap::lees(const Kopie &kopie) {
    ProjectMap::Geladen inhoud = ProjectMap(kopie.map).laad(HerstelSchrijver::kNaam);
    if (!inhoud.ontwerpBlad || !inhoud.breadboard ||
        !QFileInfo(bestand(kopie.map, ".dat")).isFile())
        return std::nullopt;
    return inhoud;
}

QString Herstelmap::zetApart(const Kopie &kopie) {
    QString apart = kopie.map + kApart;
    for (int nummer = 2; QFileInfo::exists(apart); ++nummer)
        apart = kopie.map + kApart + QString::number(nummer);
    // Where it cannot be moved it stays where it is, and is offered again next time.
    return QDir().rename(kopie.map, apart) ? apart : kopie.map;
}

void Herstelmap::verwijder(const Kopie &kopie) {
    HerstelSchrijver::verwijderMap(kopie.map);
}

std::optional<Herstelmap::Hersteld> Herstelmap::biedAan(Platform &platform) const {
    for (Kopie &kopie : achtergelaten()) {
        std::optional<ProjectMap::Geladen> inhoud = lees(kopie);
        if (!inhoud) {
            platform.message(onleesbaarTekst(kopie.tijd, zetApart(kopie)), kTitel);
            continue;
        }
        if (platform.ask(vraagTekst(kopie.tijd), kTitel))
            return Hersteld{std::move(kopie), std::move(*inhoud)};
        verwijder(kopie);
    }
    return std::nullopt;
}
