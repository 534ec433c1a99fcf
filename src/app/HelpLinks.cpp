#include "app/HelpLinks.h"

#include "ui/AppFolder.h"

#include <QFileInfo>
#include <QStringList>

namespace HelpLinks {

namespace {

bool isWebAdres(const QString &scheme) {
    static const QStringList kWeb = {QStringLiteral("http"), QStringLiteral("https"),
                                     QStringLiteral("ftp"), QStringLiteral("mailto")};
    return kWeb.contains(scheme);
}

bool isPagina(const QString &pad) {
    static const QStringList kPaginas = {QStringLiteral("htm"), QStringLiteral("html"),
                                         QStringLiteral("txt")};
    return kPaginas.contains(QFileInfo(pad).suffix().toLower());
}

// Pages link to each other as their files were once spelled; inside the
// application folder every component is found whatever its case.
QString opgezocht(const QString &pad, const AppFolder &folder) {
    const QString &root = folder.root();
    if (!pad.startsWith(root + QLatin1Char('/'))) return pad;
    return folder.path(pad.mid(root.size()));
}

} // namespace

Doel volg(const QUrl &pagina, const QUrl &link, const AppFolder &folder) {
    const QString scheme = link.scheme().toLower();
    if (isWebAdres(scheme)) return {Doel::Soort::OpenAdres, {}, link.toString()};
    if (scheme == QLatin1String("voorbeeld")) return {Doel::Soort::Voorbeeld, {}, link.path()};
    if (!scheme.isEmpty() && scheme != QLatin1String("file")) return {};
    const QUrl doel = link.isRelative() ? pagina.resolved(link) : link;
    if (!doel.isLocalFile()) return {};
    const QString pad = opgezocht(doel.toLocalFile(), folder);
    if (!isPagina(pad)) return {Doel::Soort::OpenAdres, {}, pad};
    QUrl url = QUrl::fromLocalFile(pad);
    url.setFragment(doel.fragment());
    return {Doel::Soort::Browser, url, {}};
}

} // namespace HelpLinks
