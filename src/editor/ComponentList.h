#pragma once

#include <QFont>
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
    bool zelfdeLetterEnBreedte(const QFont &letter, qreal breedte) const {
        return letter == letter_ && breedte == breedte_;
    }

    QStringList weergaveRegels(const QString &text) const;
    int regelAantal(const QString &text) const;
    // The display lines of one paragraph: a line of the text without its line end.
    int alineaRegels(const QString &alinea) const;

    // `TekstRegels`: the display lines as an array with the indexes 0 to n, n being
    // the number of display lines; the entry n is empty.
    QStringList TekstRegels(const QString &text) const;

    // The status line: the count followed by " Regels tekst.".
    static QString regelTekst(int aantal);

    // Whether the list box can hold a list and stay quick to open and to type in. The
    // box lays out a whole paragraph again on every key typed in it, and keeps every
    // paragraph with its bookkeeping in memory; a list that the old program's box
    // could hold is far within these bounds.
    static constexpr qsizetype kMaxTekens = 1 << 17;
    static constexpr qsizetype kMaxAlineas = 20'000;
    static constexpr qsizetype kMaxAlinea = 5'000;
    static bool kanTonen(const QString &lijst);

private:
    // Where the display lines of one paragraph start.
    QVector<int> regelStarts(const QString &alinea) const;
    bool pastZeker(const QString &alinea) const;
    static QStringList alineas(const QString &text);

    QFont letter_;
    qreal breedte_ = 0;
    qsizetype kortGenoeg_ = 0; // plain paragraphs of at most this many characters fit
};
