#pragma once

// What the symbol list shows: the symbols of one category folder, the symbols used
// last, or the results of a search. A search covers the list that showed before it,
// which comes back when the search field is emptied.
class SymboolLijst {
public:
    enum class Soort { Map, LaatstGebruikt, Zoeken };

    Soort soort() const { return zoekt_ ? Soort::Zoeken : onder_; }
    // The list a search covers, or that shows.
    Soort onder() const { return onder_; }
    // Its rows are results of the whole library (the recent list or a search), each
    // with its own folder, rather than the names of the listed folder.
    bool treffers() const { return soort() != Soort::Map; }

    void toon(Soort soort) {
        zoekt_ = soort == Soort::Zoeken;
        if (!zoekt_) onder_ = soort;
    }

private:
    Soort onder_ = Soort::Map;
    bool zoekt_ = false;
};
