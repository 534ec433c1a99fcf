#pragma once

#include <QString>

class Platform;
class ProjectMap;

// Brings a project from elsewhere into the projects folder, so that it opens, and is
// saved again, as every other project: a zip made by "Exporteren...", or any of a
// project's three files (N.ovb, N.brb, N.dat) in another folder, whose three files are
// copied in under their own name N. Nothing outside the projects folder is changed. A
// project of that name in the folder is replaced only when the user says so, as a save
// asks. What cannot be brought in is told in a message, and nothing is written.
namespace ProjectImport {

// The name of the project to open, in the folder; empty when there is none (the user
// has been told why, or said No). A project that lies in the folder already is
// named as it is.
QString importeer(Platform &platform, const ProjectMap &map, const QString &pad);

// "... is geen Voltarix-project ...": a path that holds no readable project.
QString geenProjectTekst(const QString &pad);
// "Het project ... kan niet worden geopend:" with the reason, for a project whose files
// are there but cannot be brought in (a name no file may have, a file missing, a link).
QString nietGeopendTekst(const QString &pad, const QString &reden);

} // namespace ProjectImport
