#include "measurement/Abstand.h"

#include "model/Objekte.h"

namespace quodral {

namespace {

// The order of the measured kinds: a pair is measured through the record of the earlier
// kind, with the later one as argument.
int rang(grafikArt art) {
    switch (art) {
    case grafikArt::punkt: return 0;
    case grafikArt::gerade: return 1;
    case grafikArt::ebene: return 2;
    case grafikArt::kugel: return 3;
    case grafikArt::formel:
    case grafikArt::kreis:
    case grafikArt::polygon:
    case grafikArt::strahl:
    case grafikArt::strecke:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor: return -1;   // no distance is measured to these
    }
    return -1;
}

// The distance from a record to the object b of the kind art; 0.0 when b's record is missing.
template <class R> double distZu(const R& a, const std::string& b, grafikArt art) {
    switch (art) {
    case grafikArt::punkt:
        if (const Punkt* p = finde(punktListe, b)) return a.dist(*p);
        break;
    case grafikArt::gerade:
        if (const Gerade* g = finde(geradenListe, b)) return a.dist(*g);
        break;
    case grafikArt::ebene:
        if (const Ebene* e = finde(ebenenListe, b)) return a.dist(*e);
        break;
    case grafikArt::kugel:
        if (const Kugel* k = finde(kugelListe, b)) return a.dist(*k);
        break;
    case grafikArt::formel:
    case grafikArt::kreis:
    case grafikArt::polygon:
    case grafikArt::strahl:
    case grafikArt::strecke:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor: break;
    }
    return 0.0;
}

}  // namespace

double dist(const std::string& a, const std::string& b) {
    const grafikArt* artA = finde(index1, a);
    if (artA == nullptr || rang(*artA) < 0) return 0.0;
    const grafikArt* artB = finde(index1, b);
    if (artB == nullptr || rang(*artB) < 0) return 0.0;
    // A pair met in the reverse order is measured with the names exchanged.
    if (rang(*artB) < rang(*artA)) return dist(b, a);

    switch (*artA) {
    case grafikArt::punkt:
        if (const Punkt* p = finde(punktListe, a)) return distZu(*p, b, *artB);
        break;
    case grafikArt::gerade:
        if (const Gerade* g = finde(geradenListe, a)) return distZu(*g, b, *artB);
        break;
    case grafikArt::ebene:
        if (const Ebene* e = finde(ebenenListe, a)) return distZu(*e, b, *artB);
        break;
    case grafikArt::kugel:
        if (const Kugel* k = finde(kugelListe, a)) return distZu(*k, b, *artB);
        break;
    case grafikArt::formel:
    case grafikArt::kreis:
    case grafikArt::polygon:
    case grafikArt::strahl:
    case grafikArt::strecke:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor: break;
    }
    return 0.0;
}

}  // namespace quodral
