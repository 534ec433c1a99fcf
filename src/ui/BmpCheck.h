#pragma once

#include <QByteArray>
#include <QString>

// True when the file is not a BMP, or is one that holds all the pixel data its header
// announces. Qt's BMP reader fills the missing rows of a cut-off file with black and
// passes the broken picture off as a whole one; the program refuses such files.
bool bmpVolledig(const QString &pad);
// The same for a file's whole content, read already.
bool bmpInhoudVolledig(const QByteArray &inhoud);
