#include "ui/Geschiedenis.h"

#include "ui/Surface.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Fast enough to keep a stroke's end within a fraction of a millisecond; the XOR runs
// of a wire are mostly the same few values and shrink well even so.
constexpr int kCompressie = 1;
// Larger changes (a whole sheet shifted) stay as they are: unpacking them would cost
// an undo more than its time.
constexpr qsizetype kInpakGrens = 512 << 10;
// Bookkeeping of a step beside its data.
constexpr qint64 kStapKosten = 128;

struct RunKop {
    quint32 begin; // pixel index y * width + x
    quint32 lengte;
};

// The pixels that differ between two pictures of one size, as runs of XOR values.
QByteArray xorRuns(const QImage &a, const QImage &b, QRect gebied) {
    QByteArray uit;
    const int w = a.width();
    const int links = gebied.left(), rechts = gebied.right() + 1;
    const size_t rijBytes = size_t(rechts - links) * 4;
    for (int y = gebied.top(); y <= gebied.bottom(); ++y) {
        const auto *ra = reinterpret_cast<const quint32 *>(a.constScanLine(y));
        const auto *rb = reinterpret_cast<const quint32 *>(b.constScanLine(y));
        if (std::memcmp(ra + links, rb + links, rijBytes) == 0) continue;
        int x = links;
        while (x < rechts) {
            if (ra[x] == rb[x]) {
                ++x;
                continue;
            }
            int eind = x;
            while (eind < rechts && ra[eind] != rb[eind])
                ++eind;
            const RunKop kop{quint32(y) * quint32(w) + quint32(x), quint32(eind - x)};
            const qsizetype plek = uit.size();
            uit.resize(plek + qsizetype(sizeof kop) + qsizetype(kop.lengte) * 4);
            char *doel = uit.data() + plek;
            std::memcpy(doel, &kop, sizeof kop);
            auto *waarden = reinterpret_cast<quint32 *>(doel + sizeof kop);
            for (int i = x; i < eind; ++i)
                *waarden++ = ra[i] ^ rb[i];
            x = eind;
        }
    }
    return uit;
}

void pasXorToe(QImage &beeld, const QByteArray &runs) {
    const int w = beeld.width();
    const char *p = runs.constData();
    const char *eind = p + runs.size();
    while (p + sizeof(RunKop) <= eind) {
        RunKop kop;
        std::memcpy(&kop, p, sizeof kop);
        p += sizeof kop;
        auto *rij = reinterpret_cast<quint32 *>(beeld.scanLine(int(kop.begin / quint32(w))));
        quint32 *doel = rij + kop.begin % quint32(w);
        for (quint32 i = 0; i < kop.lengte; ++i, p += 4) {
            quint32 waarde;
            std::memcpy(&waarde, p, 4);
            doel[i] ^= waarde;
        }
    }
}

QByteArray heelBeeld(const QImage &beeld) {
    QByteArray ruw;
    ruw.reserve(qsizetype(beeld.width()) * beeld.height() * 4);
    for (int y = 0; y < beeld.height(); ++y)
        ruw.append(reinterpret_cast<const char *>(beeld.constScanLine(y)),
                   qsizetype(beeld.width()) * 4);
    return qCompress(ruw, kCompressie);
}

QImage beeldUit(const QByteArray &data, QSize grootte) {
    const QByteArray ruw = qUncompress(data);
    QImage beeld(grootte, QImage::Format_RGB32);
    for (int y = 0; y < grootte.height(); ++y)
        std::memcpy(beeld.scanLine(y), ruw.constData() + qsizetype(y) * grootte.width() * 4,
                    size_t(grootte.width()) * 4);
    return beeld;
}

} // namespace

GeschiedenisBudget &GeschiedenisBudget::gedeeld() {
    static GeschiedenisBudget budget;
    return budget;
}

void GeschiedenisBudget::houdBinnen() {
    while (gebruikt_ > grens_) {
        Geschiedenis *oudste = nullptr;
        for (Geschiedenis *lid : leden_)
            if (!lid->stappen_.empty() && (!oudste || lid->oudste() < oudste->oudste()))
                oudste = lid;
        if (!oudste) return;
        oudste->laatOudsteVallen();
    }
}

Geschiedenis::Geschiedenis(std::vector<Surface *> bladen, GeschiedenisBudget &budget)
    : bladen_(std::move(bladen)), budget_(budget) {
    budget_.leden_.push_back(this);
}

Geschiedenis::~Geschiedenis() {
    budget_.gebruikt_ -= bytes_;
    auto &leden = budget_.leden_;
    leden.erase(std::remove(leden.begin(), leden.end(), this), leden.end());
}

void Geschiedenis::begin(const QString &naam) {
    naam_ = naam;
    voor_.clear();
    for (const Surface *blad : bladen_)
        voor_.push_back(blad->image());
    bezig_ = true;
}

bool Geschiedenis::eind(std::optional<int> toestand, std::optional<QRect> gebied) {
    if (!bezig_) return false;
    bezig_ = false;
    Stap stap;
    for (size_t i = 0; i < bladen_.size(); ++i) {
        const QImage &voor = voor_[i];
        const QImage &na = bladen_[i]->image();
        // A picture that no one wrote to keeps its key: nothing to compare.
        if (voor.cacheKey() == na.cacheKey()) continue;
        Verschil verschil{int(i), voor.size(), na.size(), {}, true, {}};
        if (voor.size() == na.size()) {
            const QByteArray runs =
                xorRuns(voor, na, gebied.value_or(na.rect()).intersected(na.rect()));
            if (runs.isEmpty()) continue;
            verschil.ingepakt = runs.size() <= kInpakGrens;
            verschil.data = verschil.ingepakt ? qCompress(runs, kCompressie) : runs;
        } else {
            verschil.data = heelBeeld(voor);
            verschil.na2 = heelBeeld(na);
        }
        stap.bytes += verschil.data.size() + verschil.na2.size();
        stap.verschillen.push_back(std::move(verschil));
    }
    voor_.clear(); // no picture stays shared once the step is kept
    const int na = toestand.value_or(toestand_);
    if (stap.verschillen.empty() && na == toestand_) return false;
    stap.naam = naam_;
    stap.toestandVoor = toestand_;
    stap.toestandNa = na;
    toestand_ = na;
    stap.bytes += kStapKosten;
    stap.volgnummer = ++budget_.volgnummer_;

    // What could be redone goes.
    while (stappen_.size() > positie_) {
        bytes_ -= stappen_.back().bytes;
        budget_.gebruikt_ -= stappen_.back().bytes;
        stappen_.pop_back();
    }
    bytes_ += stap.bytes;
    budget_.gebruikt_ += stap.bytes;
    stappen_.push_back(std::move(stap));
    ++positie_;
    budget_.houdBinnen();
    veranderd();
    return true;
}

void Geschiedenis::pas(const Stap &stap, bool terug) {
    for (const Verschil &verschil : stap.verschillen) {
        Surface &blad = *bladen_[size_t(verschil.blad)];
        if (verschil.voor == verschil.na) {
            QImage beeld = blad.image();
            if (beeld.size() != verschil.na) continue; // changed behind the history's back
            pasXorToe(beeld, verschil.ingepakt ? qUncompress(verschil.data) : verschil.data);
            blad.setImage(beeld);
        } else {
            blad.setImage(terug ? beeldUit(verschil.data, verschil.voor)
                                : beeldUit(verschil.na2, verschil.na));
        }
    }
}

bool Geschiedenis::undo() {
    if (bezig_ || !kanUndo()) return false;
    const Stap &stap = stappen_[--positie_];
    pas(stap, true);
    toestand_ = stap.toestandVoor;
    veranderd();
    return true;
}

bool Geschiedenis::redo() {
    if (bezig_ || !kanRedo()) return false;
    const Stap &stap = stappen_[positie_++];
    pas(stap, false);
    toestand_ = stap.toestandNa;
    veranderd();
    return true;
}

void Geschiedenis::wis(std::optional<int> toestand) {
    toestand_ = toestand.value_or(toestand_);
    budget_.gebruikt_ -= bytes_;
    bytes_ = 0;
    stappen_.clear();
    voor_.clear();
    bezig_ = false;
    positie_ = 0;
    veranderd();
}

QString Geschiedenis::undoNaam() const {
    return kanUndo() ? stappen_[positie_ - 1].naam : QString();
}

QString Geschiedenis::redoNaam() const {
    return kanRedo() ? stappen_[positie_].naam : QString();
}

quint64 Geschiedenis::oudste() const {
    return stappen_.empty() ? std::numeric_limits<quint64>::max() : stappen_.front().volgnummer;
}

// Steps to redo cannot outlive the step before them: with nothing left to undo, the
// oldest step is a step to redo, and all of them go.
void Geschiedenis::laatOudsteVallen() {
    if (positie_ == 0) {
        budget_.gebruikt_ -= bytes_;
        bytes_ = 0;
        stappen_.clear();
        veranderd();
        return;
    }
    bytes_ -= stappen_.front().bytes;
    budget_.gebruikt_ -= stappen_.front().bytes;
    stappen_.pop_front();
    --positie_;
    veranderd();
}
