#pragma once

#include <QtGlobal>

#include <vector>

class ComponentList;
class QTextDocument;

// The display lines of the list box, counted as its text changes. Each paragraph is
// counted when it changes and its count kept, so a key typed in a long list costs the
// one paragraph it lands in, not a new layout of the whole list.
class RegelTelling {
public:
    // Every paragraph counted afresh: a new font or width.
    void telAlles(const QTextDocument &document, const ComponentList &lijst);
    // After the document's contentsChange(positie, weg, erbij): the paragraphs from
    // `positie` to `positie + erbij` are new, all others are as they were.
    void verander(const QTextDocument &document, const ComponentList &lijst, int positie,
                  int erbij);

    int aantal() const { return int(totaal_); }

private:
    std::vector<int> perAlinea_;
    qint64 totaal_ = 0;
};
