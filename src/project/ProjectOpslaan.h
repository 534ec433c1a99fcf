#pragma once

#include "project/ProjectMap.h"

#include <QString>

class Platform;
class Surface;

// The save command: asks for the name (the design's name proposed), refuses names
// that cannot be file names everywhere, asks before replacing a project, writes the
// three files and tells the user when they could not be written, so that unsaved
// work is never taken for saved. Returns whether the project was written, and puts the
// name it was written under in `opgeslagen` when asked.
bool ProjectOpslaan(Platform &platform, const ProjectMap &map, const QString &voorstel,
                    const ProjectMap::Inhoud &inhoud, QString *opgeslagen = nullptr);
// The same with the component list's text.
bool ProjectOpslaan(Platform &platform, const ProjectMap &map, const QString &voorstel,
                    const Surface &Pic, const Surface &Pic2, const QString &lijst);

// "Fout bij het opslaan van het project!" with the error number.
QString opslaanFoutTekst(int nummer);
// What a failed save tells: the error number, or the cause where the user can mend it.
QString opslaanFoutTekst(ProjectMap::Fout fout);
// Another program is saving the project: the save (or the opening) can be tried again.
QString inGebruikTekst();
