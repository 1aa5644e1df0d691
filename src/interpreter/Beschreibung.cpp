#include "interpreter/Beschreibung.h"

#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "measurement/Analyse.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A measure rounded to the current decimals and written in its shortest form: 4.0, 6.283.
std::string gerundet(double x) { return kurzform(roundTo(x, dezimalen)); }

std::string polygonText(const std::string& name, const Polygon& pol) {
    std::string text = name + " ist das ";
    if (pol.istEben()) text += " ebene";
    if (pol.istKonvex()) text += " und konvexe";
    text += " " + pol.alsString() + ".";
    text += "\n\n Seine Länge beträgt " + gerundet(pol.laenge()) + ", sein Durchmesser ist " +
            gerundet(pol.durchmesser());
    return text;
}

std::string polyederText(const std::string& name, const Polyeder& pd) {
    std::string text = name + " ist ein Polyeder";
    if (pd.istPyramide()) text += ", und zwar eine Pyramide";
    // The examination may store the record again with its class; it reads its own copy.
    return text + "\n\n" + examPolyeder(Polyeder(pd));
}

// The description by the kind of index1; nothing when the record is missing.
std::optional<std::string> ebenesObjekt(const std::string& name, grafikArt art) {
    switch (art) {
    case grafikArt::punkt:
        if (const Punkt* p = finde(punktListe, name)) return name + " ist der Punkt " + p->alsString() + ".\n\n" + p->rem + ".";
        break;
    case grafikArt::gerade:
        if (const Gerade* g = finde(geradenListe, name)) return name + " ist die  " + g->alsString() + ".\n\n" + g->rem + ".";
        break;
    case grafikArt::strahl:
        if (const Strahl* s = finde(strahlListe, name)) return name + " ist der " + s->alsString() + ".\n\n" + s->rem;
        break;
    case grafikArt::strecke:
        if (const Strecke* s = finde(streckenListe, name)) return name + " ist die  " + s->alsString() + ".\n\n" + s->rem;
        break;
    case grafikArt::ebene:
        if (const Ebene* e = finde(ebenenListe, name)) return name + " ist die  " + e->alsString() + ".\n\n" + e->rem;
        break;
    case grafikArt::kreis:
        if (const Kreis* k = finde(kreisListe, name)) return name + " ist der " + k->alsString() + ".\n\n" + k->rem;
        break;
    case grafikArt::kugel:
        if (const Kugel* k = finde(kugelListe, name)) return name + " ist die " + k->alsString() + ".\n\n" + k->rem;
        break;
    case grafikArt::polygon:
        if (const Polygon* pol = finde(polygonListe, name)) return polygonText(name, *pol);
        break;
    case grafikArt::klumpen:
        if (const Klumpen* k = finde(klumpenListe, name)) return k->alsString() + ".";
        break;
    case grafikArt::formel:
        if (const Formel* f = finde(formelListe, name)) return f->alsString();
        break;
    case grafikArt::vektor:
        if (const Vektor* v = finde(vektorListe, name)) return name + " ist der Vektor " + v->alsString() + ".";
        break;
    case grafikArt::kollektiv: break;
    }
    return std::nullopt;
}

std::optional<std::string> festkoerper(const std::string& name, grafik3DArt art) {
    switch (art) {
    case grafik3DArt::kegel:
        if (const Kegel* k = finde(kegelListe, name)) return name + " ist der " + k->alsString();
        break;
    case grafik3DArt::zylinder:
        if (const Zylinder* z = finde(zylinderListe, name)) return name + " ist der " + z->alsString();
        break;
    case grafik3DArt::polyeder:
    case grafik3DArt::prisma:
    case grafik3DArt::pyramide:
        // Prisms and pyramids are polyhedra and live in the polyhedron registry.
        if (const Polyeder* pd = finde(polyederListe, name)) return polyederText(name, *pd);
        break;
    }
    return std::nullopt;
}

}  // namespace

std::string wasist(const std::string& name) {
    // Looking at an object changes nothing of the statement's check state, also where a
    // formula's term is evaluated for its value.
    std::optional<std::string> text;
    {
        PruefzustandBewahren bewahrt;
        if (const grafikArt* art = finde(index1, name)) text = ebenesObjekt(name, *art);
        else if (const grafik3DArt* art3 = finde(index3, name)) text = festkoerper(name, *art3);
    }
    // A collective, and a name whose record is missing, has nothing to describe.
    quittung = text.value_or(misserfolg);
    return quittung;
}

}  // namespace quodral
