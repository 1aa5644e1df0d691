#include "model/Loeschen.h"

#include <algorithm>
#include <vector>

#include "model/Namen.h"
#include "model/Attribute.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// The kind that index1 gives the name, if any.
const grafikArt* artVon(const std::string& name) { return finde(index1, name); }

bool istArt(const std::string& name, grafikArt art) {
    const grafikArt* a = artVon(name);
    return a != nullptr && *a == art;
}

// "alleStrahlen" and "alleKugeln" are free names, so an object may take one of them over in
// the kind index. When that object goes, the name stands for its collective again, as it did
// from the start; otherwise the collective would be lost until the next reset.
void kollektivZurueck(const std::string& name) {
    static const std::map<std::string, grafikArt> start = startIndex1();
    if (const grafikArt* a = finde(start, name); a != nullptr && *a == grafikArt::kollektiv)
        index1.insert_or_assign(name, grafikArt::kollektiv);
}

// The distinct corner names of a polygon (the break marker "-" is no corner).
std::set<std::string> polygonEcken(const Polygon& pol) {
    std::set<std::string> ecken;
    for (const std::string& e : pol.ecken)
        if (e != "-") ecken.insert(e);
    return ecken;
}

// The corner names of all faces of a polyhedron; a face that is not registered adds none.
std::set<std::string> polyederEcken(const Polyeder& pd) {
    std::set<std::string> ecken;
    for (const std::string& seite : pd.seiten) {
        if (const Polygon* pol = finde(polygonListe, seite)) {
            std::set<std::string> e = polygonEcken(*pol);
            ecken.insert(e.begin(), e.end());
        }
    }
    return ecken;
}

// The objects bound to a point, by the point's name.
std::set<std::string> punktGebunden(const std::string& pn) {
    std::set<std::string> gebunden;
    for (const auto& [n, pol] : polygonListe)
        if (std::find(pol.ecken.begin(), pol.ecken.end(), pn) != pol.ecken.end()) gebunden.insert(n);
    for (const auto& [n, s] : streckenListe)
        if (s.ap.name == pn || s.ep.name == pn) gebunden.insert(n);
    for (const auto& [n, s] : strahlListe)
        if (s.ap.name == pn) gebunden.insert(n);
    // A cone or cylinder takes its height from the point at every use.
    for (const auto& [n, k] : kegelListe)
        if (k.tpn == pn) gebunden.insert(n);
    for (const auto& [n, z] : zylinderListe)
        if (z.tpn == pn) gebunden.insert(n);
    return gebunden;
}

// The polyhedra that have the named polygon as a face.
std::set<std::string> polygonGebunden(const std::string& poln) {
    std::set<std::string> gebunden;
    for (const auto& [n, pd] : polyederListe)
        if (std::find(pd.seiten.begin(), pd.seiten.end(), poln) != pd.seiten.end()) gebunden.insert(n);
    return gebunden;
}

// The cones and cylinders that stand on the named circle.
std::set<std::string> kreisGebunden(const std::string& kn) {
    std::set<std::string> gebunden;
    for (const auto& [n, k] : kegelListe)
        if (k.basis == kn) gebunden.insert(n);
    for (const auto& [n, z] : zylinderListe)
        if (z.basis == kn) gebunden.insert(n);
    return gebunden;
}

// Removes the record of the name from the registry of the given kind.
void ausRegistry(const std::string& name, grafikArt art) {
    switch (art) {
    case grafikArt::ebene: ebenenListe.erase(name); break;
    case grafikArt::formel: formelListe.erase(name); break;
    case grafikArt::punkt: punktListe.erase(name); break;
    case grafikArt::gerade: geradenListe.erase(name); break;
    case grafikArt::kreis: kreisListe.erase(name); break;
    case grafikArt::kugel: kugelListe.erase(name); break;
    case grafikArt::polygon: polygonListe.erase(name); break;
    case grafikArt::strahl: strahlListe.erase(name); break;
    case grafikArt::strecke: streckenListe.erase(name); break;
    case grafikArt::klumpen: klumpenListe.erase(name); break;
    case grafikArt::vektor: vektorListe.erase(name); break;
    case grafikArt::kollektiv: break;   // a collective has no registry of its own
    }
}

// Removes the name when nothing is bound to it; true when it went.
bool freiesAuslisten(const std::string& name) {
    if (!bandelObjekte(name).empty()) return false;
    auslisten(name);
    return true;
}

// The order in which the members of a cluster are taken: solids and other objects first,
// then polygons, segments and rays, and points last, so that the members which bind others
// are gone before those they bind are asked.
int clusterRang(const std::string& name) {
    const grafikArt* a = artVon(name);
    if (a == nullptr) return 0;
    switch (*a) {
    case grafikArt::polygon: return 1;
    case grafikArt::strecke:
    case grafikArt::strahl: return 2;
    case grafikArt::kreis: return 3;   // bound by cones and cylinders only
    case grafikArt::punkt: return 4;
    default: return 0;
    }
}

void klumpenVernichten(const Klumpen& k) {
    std::vector<std::string> glieder(k.zelle.begin(), k.zelle.end());
    std::stable_sort(glieder.begin(), glieder.end(),
                     [](const std::string& a, const std::string& b) { return clusterRang(a) < clusterRang(b); });
    for (const std::string& m : glieder) {
        if (m == k.name) continue;   // the cluster itself goes last
        freiesAuslisten(m);
    }
}

bool polygonVernichten(const std::string& n, const Polygon& pol) {
    // A face of a polyhedron must stay whole: the polyhedron measures and draws it.
    if (!polygonBindung(n).empty()) return false;
    for (const std::string& c : pol.ecken) {
        if (c == "-" || !istArt(c, grafikArt::punkt)) continue;
        std::set<std::string> gebunden = bandelObjekte(c);
        gebunden.erase(n);
        if (gebunden.empty()) auslisten(c);
    }
    return true;
}

void polyederVernichten(const std::string& n, const Polyeder& pd) {
    const std::set<std::string> ecken = polyederEcken(pd);
    const std::vector<std::string> seiten = pd.seiten;
    for (const std::string& f : seiten) {
        const Polygon* pol = finde(polygonListe, f);
        if (pol == nullptr) continue;
        const std::set<std::string> nutzer = pol->bandelObjekt();
        if (nutzer.size() == 1 && nutzer.count(n) == 1) auslisten(f);
    }
    for (const std::string& c : ecken)
        if (istArt(c, grafikArt::punkt)) freiesAuslisten(c);
}

std::string listenText(const std::vector<std::string>& namen) {
    std::string text = "[";
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (i > 0) text += ", ";
        text += "\"" + namen[i] + "\"";
    }
    return text + "]";
}

}  // namespace

void spurenTilgen(const std::string& n) {
    index1.erase(n);
    verbrauchteNamen.erase(n);
}

void auslisten(const std::string& name) {
    attrListe.erase(name);
    if (const grafikArt* a = artVon(name); a != nullptr && *a != grafikArt::kollektiv) {
        const grafikArt art = *a;
        index1.erase(name);
        verbrauchteNamen.erase(name);
        ausRegistry(name, art);
        kollektivZurueck(name);
    }
    if (const grafik3DArt* a = finde(index3, name)) {
        // Each solid leaves its own registry, so that no record outlives its kind index entry.
        switch (*a) {
        case grafik3DArt::kegel: kegelListe.erase(name); break;
        case grafik3DArt::zylinder: zylinderListe.erase(name); break;
        case grafik3DArt::prisma:
        case grafik3DArt::pyramide:
        case grafik3DArt::polyeder: polyederListe.erase(name); break;
        }
        index3.erase(name);
        verbrauchteNamen.erase(name);
    }
}

bool vernichten(const std::string& name) {
    if (istArt(name, grafikArt::klumpen)) {
        if (const Klumpen* k = finde(klumpenListe, name)) klumpenVernichten(Klumpen(*k));
    } else if (istArt(name, grafikArt::polygon)) {
        if (const Polygon* pol = finde(polygonListe, name)) {
            if (!polygonVernichten(name, Polygon(*pol))) return false;
        }
    } else if (const grafik3DArt* a = finde(index3, name); a != nullptr && *a == grafik3DArt::polyeder) {
        if (const Polyeder* pd = finde(polyederListe, name)) polyederVernichten(name, Polyeder(*pd));
    } else {
        return freiesAuslisten(name);
    }
    auslisten(name);
    return true;
}

std::set<std::string> bandelObjekte(const Punkt& p) { return punktGebunden(p.name); }

std::set<std::string> Polygon::bandelObjekt() const { return polygonGebunden(name); }

std::set<std::string> bandelObjekte(const std::string& name) {
    const grafikArt* a = artVon(name);
    if (a == nullptr) return {};
    switch (*a) {
    case grafikArt::punkt: return punktGebunden(name);
    case grafikArt::polygon: return polygonGebunden(name);
    case grafikArt::kreis: return kreisGebunden(name);
    default: return {};
    }
}

std::string polygonBindung(const std::string& name) {
    std::string text;
    for (const auto& [n, pd] : polyederListe)
        for (const std::string& seite : pd.seiten)
            if (seite == name) text += " " + n + " ";
    return text;
}

std::string beschreibungVon(const std::string& name) {
    const std::string anfang = "Das GeoObjekt " + name + " ";
    const std::string fehlt = anfang + "gibt es nicht.";
    const grafikArt* a = artVon(name);
    if (a == nullptr) return fehlt;
    switch (*a) {
    case grafikArt::punkt:
        if (const Punkt* p = finde(punktListe, name)) return anfang + "ist der Punkt " + p->alsString() + ".";
        break;
    case grafikArt::gerade:
        if (const Gerade* g = finde(geradenListe, name))
            return anfang + "ist die Gerade " + g->ap.alsString() + " " + g->rv.alsString();
        break;
    case grafikArt::ebene:
        if (const Ebene* e = finde(ebenenListe, name))
            return anfang + "ist die Ebene durch den Punkt " + e->ap.alsString() + " " + e->nv.alsString();
        break;
    case grafikArt::kreis:
        if (const Kreis* k = finde(kreisListe, name))
            return anfang + "ist der Kreis mit dem Mittelpunkt " + k->mp.alsString() + " " + rund(k->r, dezimalen) + ".";
        break;
    case grafikArt::kugel:
        if (const Kugel* k = finde(kugelListe, name))
            return anfang + "ist die Kugel mit dem Mittelpunkt " + k->mp.alsString() + " " + rund(k->r, dezimalen) + ".";
        break;
    case grafikArt::polygon:
        if (const Polygon* pol = finde(polygonListe, name))
            return anfang + "ist das Polygon mit der Eckenfolge " + listenText(pol->ecken) + ".";
        break;
    case grafikArt::strahl:
        if (const Strahl* s = finde(strahlListe, name))
            return anfang + "ist der Strahl mit dem Anfangspunkt " + s->ap.alsString() + " " + s->rv.alsString();
        break;
    case grafikArt::strecke:
        if (const Strecke* s = finde(streckenListe, name))
            return anfang + "ist die Strecke mit dem Anfangspunkt " + s->ap.alsString() + " " + s->ep.alsString() + ".";
        break;
    case grafikArt::klumpen:
        if (const Klumpen* k = finde(klumpenListe, name)) {
            std::string menge = "{";
            for (auto it = k->zelle.begin(); it != k->zelle.end(); ++it)
                menge += (it == k->zelle.begin() ? "" : ", ") + *it;
            return anfang + "ist der Klumpen mit der Zellenmenge " + menge + "}.";
        }
        break;
    case grafikArt::vektor:
        if (const Vektor* v = finde(vektorListe, name)) return anfang + "ist der Vektor " + v->alsString();
        break;
    case grafikArt::formel:
    case grafikArt::kollektiv: break;
    }
    return fehlt;
}

}  // namespace quodral
