#include "editor/RegelTelling.h"

#include "editor/ComponentList.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <numeric>

void RegelTelling::telAlles(const QTextDocument &document, const ComponentList &lijst) {
    perAlinea_.clear();
    perAlinea_.reserve(size_t(document.blockCount()));
    for (QTextBlock blok = document.begin(); blok.isValid(); blok = blok.next())
        perAlinea_.push_back(lijst.alineaRegels(blok.text()));
    totaal_ = std::accumulate(perAlinea_.begin(), perAlinea_.end(), qint64(0));
}

void RegelTelling::verander(const QTextDocument &document, const ComponentList &lijst, int positie,
                            int erbij) {
    const QTextBlock eerste = document.findBlock(positie);
    QTextBlock laatste = document.findBlock(positie + erbij);
    if (!laatste.isValid()) laatste = document.lastBlock();
    // The paragraphs before the change keep their numbers, those after it their order:
    // what the change took away is what it added less the growth of the count.
    const qsizetype begin = eerste.blockNumber(), nieuw = laatste.blockNumber() - begin + 1;
    const qsizetype oud = nieuw - (document.blockCount() - qsizetype(perAlinea_.size()));
    if (!eerste.isValid() || nieuw < 1 || oud < 0 || begin + oud > qsizetype(perAlinea_.size()))
        return telAlles(document, lijst); // a report that does not add up

    std::vector<int> geteld;
    geteld.reserve(size_t(nieuw));
    for (QTextBlock blok = eerste;; blok = blok.next()) {
        geteld.push_back(lijst.alineaRegels(blok.text()));
        if (blok == laatste) break;
    }
    const auto plaats = perAlinea_.begin() + begin;
    totaal_ -= std::accumulate(plaats, plaats + oud, qint64(0));
    totaal_ += std::accumulate(geteld.begin(), geteld.end(), qint64(0));
    const qsizetype gedeeld = std::min(oud, nieuw);
    std::copy(geteld.begin(), geteld.begin() + gedeeld, plaats);
    if (nieuw > oud)
        perAlinea_.insert(plaats + oud, geteld.begin() + oud, geteld.end());
    else
        perAlinea_.erase(plaats + nieuw, plaats + oud);
}
