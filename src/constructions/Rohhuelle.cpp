#include "constructions/Rohhuelle.h"

#include <algorithm>

namespace quodral::huellensuche {

std::size_t endeVon(const std::vector<std::size_t>& wohin, std::size_t f) {
    while (wohin[f] != f) f = wohin[f];
    return f;
}

std::vector<std::size_t> bleibendeSeiten(std::vector<Rohseite>& seiten, const std::vector<std::size_t>& wohin) {
    const std::size_t F = seiten.size();
    std::vector<std::size_t> nummer(F);
    std::size_t neu = 0;
    for (std::size_t f = 0; f < F; ++f)
        if (wohin[f] == f) nummer[f] = neu++;
    for (std::size_t f = 0; f < F; ++f) nummer[f] = nummer[endeVon(wohin, f)];
    const auto ordnen = [&nummer](Rohseite& s, std::size_t eigene) {
        for (std::size_t& g : s.nachbarn) g = nummer[g];
        std::sort(s.nachbarn.begin(), s.nachbarn.end());
        s.nachbarn.erase(std::unique(s.nachbarn.begin(), s.nachbarn.end()), s.nachbarn.end());
        s.nachbarn.erase(std::remove(s.nachbarn.begin(), s.nachbarn.end(), eigene), s.nachbarn.end());
    };
    // Where every face stayed (most hulls have no sliver), they keep their places.
    if (neu == F) {
        for (std::size_t f = 0; f < F; ++f) ordnen(seiten[f], f);
        return nummer;
    }
    std::vector<Rohseite> bleibende;
    bleibende.reserve(neu);
    for (std::size_t f = 0; f < F; ++f) {
        if (wohin[f] != f) continue;
        ordnen(seiten[f], nummer[f]);
        bleibende.push_back(std::move(seiten[f]));
    }
    seiten = std::move(bleibende);
    return nummer;
}

}  // namespace quodral::huellensuche
