#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The component list: free text in the list view, one component or note per line.
// Its display lines are the lines as the list box shows them: every paragraph
// wrapped at the box's width in the box's font, at word boundaries (or inside a
// word too long for the width); a text ending in a line break ends in an empty
// display line, and an empty text is one empty display line.
class ComponentList {
public:
    void zetLetterEnBreedte(const QFont &letter, qreal breedte);

    QStringList weergaveRegels(const QString &text);
    int regelAantal(const QString &text);

    // `TekstRegels`: the display lines as an array with the indexes 0 to n, n being
    // the number of display lines; the entry n is empty.
    QStringList TekstRegels(const QString &text);

    // The status line: the count followed by " Regels tekst.".
    static QString regelTekst(int aantal);

private:
    // Where the display lines of one paragraph start. Paragraphs are laid out once
    // and remembered by their text, so typing in a long list only lays out the
    // paragraph that changed.
    const QVector<int> &regelStarts(const QString &alinea);
    static QStringList alineas(const QString &text);

    QFont letter_;
    qreal breedte_ = 0;
    QHash<QString, QVector<int>> onthouden_;
};
