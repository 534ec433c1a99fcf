#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class Geschiedenis;
class Surface;

// The memory that all histories of the run share. When their steps together take more
// than the bound, the oldest steps of the run go first, whichever history holds them.
class GeschiedenisBudget {
public:
    static constexpr qint64 kStandaardGrens = qint64(64) << 20;
    explicit GeschiedenisBudget(qint64 grens = kStandaardGrens) : grens_(grens) {}
    GeschiedenisBudget(const GeschiedenisBudget &) = delete;
    GeschiedenisBudget &operator=(const GeschiedenisBudget &) = delete;

    // The one budget of the program's windows.
    static GeschiedenisBudget &gedeeld();

    qint64 grens() const { return grens_; }
    qint64 gebruikt() const { return gebruikt_; }

private:
    friend class Geschiedenis;
    void houdBinnen();

    qint64 grens_;
    qint64 gebruikt_ = 0;
    quint64 volgnummer_ = 0; // the age of a step over all histories
    std::vector<Geschiedenis *> leden_;
};

// Undo and redo without a fixed depth for one or more pictures that change together
// (a sheet with its pristine board, for one). begin() before a change remembers the
// pictures (a shared copy, so nothing is copied until they are written); eind() after
// it keeps only what changed: the changed pixels of each picture, XOR-ed with their
// former values and compressed, or the whole pictures when the size changed. A step
// that changed nothing is not kept; a new step drops what could be redone.
//
// A number of the caller's own (the board's size) travels with the pictures: toestand()
// is its value at the moment the pictures show. Each step has a name, the one the user
// reads on the Undo and Redo items ("draad", "plakken").
class Geschiedenis {
public:
    Geschiedenis(std::vector<Surface *> bladen,
                 GeschiedenisBudget &budget = GeschiedenisBudget::gedeeld());
    ~Geschiedenis();
    Geschiedenis(const Geschiedenis &) = delete;
    Geschiedenis &operator=(const Geschiedenis &) = delete;

    void begin(const QString &naam = {});
    // Names the step in progress, when what it is shows only after its start.
    void noem(const QString &naam) { naam_ = naam; }
    // Returns whether a step was kept; `toestand` is the caller's number after the step,
    // if it changed. A caller that knows where its step drew can say so in `gebied`:
    // only there are the pictures compared, which spares a stroke the look at the rest.
    bool eind(std::optional<int> toestand = std::nullopt,
              std::optional<QRect> gebied = std::nullopt);
    bool bezig() const { return bezig_; }

    bool kanUndo() const { return positie_ > 0; }
    bool kanRedo() const { return positie_ < stappen_.size(); }
    // Each returns false when there is no step to take.
    bool undo();
    bool redo();
    int toestand() const { return toestand_; }
    // The names of the steps that undo() and redo() would take; empty when there is none.
    QString undoNaam() const;
    QString redoNaam() const;
    // Told after every change of what can be undone or redone.
    void zetBijVerandering(std::function<void()> bijVerandering) {
        bijVerandering_ = std::move(bijVerandering);
    }

    // A fresh start: the pictures as they are now are where the history begins.
    void wis(std::optional<int> toestand = std::nullopt);

    qint64 bytes() const { return bytes_; }
    int aantalStappen() const { return int(stappen_.size()); }

private:
    friend class GeschiedenisBudget;
    struct Verschil {
        int blad = 0;
        QSize voor, na;  // equal: `data` holds the XOR runs; different: both pictures
        QByteArray data; // compressed, unless `ingepakt` is false
        bool ingepakt = true;
        QByteArray na2; // the later picture when the size changed
    };
    struct Stap {
        std::vector<Verschil> verschillen;
        QString naam;
        int toestandVoor = 0, toestandNa = 0;
        quint64 volgnummer = 0;
        qint64 bytes = 0;
    };
    void pas(const Stap &stap, bool terug);
    void laatOudsteVallen();
    void veranderd() const {
        if (bijVerandering_) bijVerandering_();
    }
    quint64 oudste() const;

    std::vector<Surface *> bladen_;
    GeschiedenisBudget &budget_;
    std::vector<QImage> voor_;
    int toestand_ = 0;
    bool bezig_ = false;
    QString naam_; // of the step in progress
    std::function<void()> bijVerandering_;
    std::deque<Stap> stappen_;
    size_t positie_ = 0; // steps before this one are done
    qint64 bytes_ = 0;
};
