#pragma once

#include <QByteArray>
#include <QString>

// The component list as stored in a project's ".dat" file: plain text, lines ending
// in CR LF. The old program wrote one byte per character in Windows-1252; lists
// with characters outside it are written as UTF-8, so that nothing typed is lost.
namespace DatTekst {

// The file's bytes as text: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString decodeer(const QByteArray &bytes);
// The text as bytes: Windows-1252 when every character fits and the bytes read back
// as the same text, else UTF-8. Either way decodeer() gives the text back (any text
// of whole characters; half a surrogate pair has no encoding).
QByteArray codeer(const QString &text);

// The component list of a file's content: every line of the file followed by CR LF
// (a line ends at CR LF, LF or CR), so a list that lacked a final CR LF gains one.
QString lijstUit(const QByteArray &bytes);

// The list box's text (lines ending in LF) with the file's line ends, CR LF.
QString metCrLf(const QString &tekst);

} // namespace DatTekst
