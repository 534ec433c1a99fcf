#pragma once

#include <QString>

// The version of the program lives in the executable itself: the build writes a stamp
// with the four numbers of the project's version (major, minor, build, revision)
// into the voltarix executable, and the title screen reads it back from the file,
// the way a Windows program reads the version record of its own .exe.
namespace VersieStempel {

// The version of a program file: the four numbers of the first stamp in the file,
// joined by dots ("1.0.0.12"); "Error" for a file that cannot be read or carries no
// valid stamp.
QString GetFileVersion(const QString &path);

// The version this program was built with, from the stamp in its own memory.
QString eigenVersie();

// The bytes of a stamp for a version text such as "1.0.0.12", as the build writes
// it; for writing test files.
QByteArray stempel(const QString &versie);

} // namespace VersieStempel
