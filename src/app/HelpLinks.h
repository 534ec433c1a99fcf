#pragma once

#include <QString>
#include <QUrl>

class AppFolder;

// The local help pages under "\Plugins\" and what a click on a link inside them
// does. The built-in browser shows only the program's own pages; everything else
// (web and mail addresses, local documents that are not pages) goes to the
// desktop's own programs.
namespace HelpLinks {

struct Doel {
    enum class Soort {
        Geen,      // nothing to do: a link the program does not follow
        Browser,   // show `url` in the built-in browser
        OpenAdres, // hand `adres` to the desktop (OpenAdres)
        Voorbeeld  // open the example project named `adres`
    };
    Soort soort = Soort::Geen;
    QUrl url;
    QString adres;
};

// Where a link of the page `pagina` leads. Web (http, https, ftp) and mail
// addresses go to the desktop; a link to a local page (.htm, .html, .txt) stays in
// the built-in browser, found ignoring case when it lies in the application
// folder; other local files are opened by the desktop. Links of other kinds
// (scripts, unknown schemes) are not followed. "voorbeeld:NAAM" opens an example.
Doel volg(const QUrl &pagina, const QUrl &link, const AppFolder &folder);

} // namespace HelpLinks
