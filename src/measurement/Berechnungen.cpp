#include "measurement/Berechnungen.h"

#include "state/Zustand.h"
#include "model/Objekte.h"

namespace quodral {

double welchenDurchmesserHat(const std::string& was) {
    if (const grafik3DArt* art3 = finde(index3, was)) {
        switch (*art3) {
        case grafik3DArt::kegel:
            if (const Kegel* k = finde(kegelListe, was)) return k->durchmesser();
            return 0.0;
        case grafik3DArt::zylinder:
            if (const Zylinder* z = finde(zylinderListe, was)) return z->durchmesser();
            return 0.0;
        case grafik3DArt::polyeder:
            if (const Polyeder* pd = finde(polyederListe, was)) return pd->durchmesser();
            return 0.0;
        case grafik3DArt::prisma:
        case grafik3DArt::pyramide:
            return 0.0;
        }
        return 0.0;
    }
    if (const grafikArt* art = finde(index1, was)) {
        switch (*art) {
        case grafikArt::kreis:
            if (const Kreis* k = finde(kreisListe, was)) return 2 * k->radius();
            break;
        case grafikArt::kugel:
            if (const Kugel* k = finde(kugelListe, was)) return 2 * k->radius();
            break;
        case grafikArt::polygon:
            if (const Polygon* pol = finde(polygonListe, was)) return pol->durchmesser();
            break;
        default:
            break;
        }
    }
    return 0.0;
}

void hinweis(const std::string& text) { quittung = text; }

}  // namespace quodral
