#include "app/StarterFolder.h"

#include "ui/AppFolder.h"
#include "ui/SafeCommit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace StarterFolder {

namespace {

const QByteArray kManifestHeading =
    "# Voltarix: starter files laid out in this folder. A file named here is never laid\n"
    "# out again; remove its line to get the original back on the next start.\n";

// Paths are compared without regard to case, as the program looks files up.
QString key(const QString &relative) {
    return relative.toCaseFolded();
}

bool writeManifest(const QString &target, const QStringList &paths) {
    QSaveFile file(target + QLatin1Char('/') + kManifest);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(kManifestHeading);
    for (const QString &path : paths)
        file.write(path.toUtf8() + '\n');
    return safeCommit(file);
}

// Copies one file to a path that does not exist yet, creating its folders. A copy
// that fails halfway leaves nothing behind, so the next run tries again.
bool copyNew(const QString &from, const QString &to) {
    if (!QDir().mkpath(QFileInfo(to).path())) return false;
    if (QFile::copy(from, to)) {
        QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner | QFile::ReadOwner);
        return true;
    }
    QFile::remove(to);
    return false;
}

} // namespace

QStringList contents(const QString &source) {
    QStringList paths;
    // Relative paths are only worked out between absolute ones.
    const QDir root(QFileInfo(source).absoluteFilePath());
    QDirIterator it(root.path(), QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString relative = root.relativeFilePath(it.filePath());
        if (relative != kManifest) paths << relative;
    }
    paths.sort(Qt::CaseInsensitive);
    return paths;
}

QStringList laidOut(const QString &target) {
    QFile file(target + QLatin1Char('/') + kManifest);
    QStringList paths;
    if (!file.open(QIODevice::ReadOnly)) return paths;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) paths << line;
    }
    return paths;
}

Result layOut(const QString &sourceFolder, const QString &target) {
    Result result;
    const QString source = QFileInfo(sourceFolder).absoluteFilePath();
    const QStringList earlier = laidOut(target);
    QStringList manifest = earlier;
    QSet<QString> known;
    for (const QString &path : earlier)
        known.insert(key(path));

    const AppFolder folder(target);
    for (const QString &relative : contents(source)) {
        if (known.contains(key(relative))) continue;
        const QString destination = folder.path(relative);
        if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink()) {
            result.kept << relative;
        } else if (copyNew(source + QLatin1Char('/') + relative, destination)) {
            result.copied << relative;
        } else {
            result.failed << relative;
            continue;
        }
        // A file the folder already had is the user's: it is listed too, so that
        // deleting it later does not bring ours in its place.
        manifest << relative;
        known.insert(key(relative));
    }
    if (manifest.size() != earlier.size()) result.manifestWritten = writeManifest(target, manifest);
    return result;
}

} // namespace StarterFolder
