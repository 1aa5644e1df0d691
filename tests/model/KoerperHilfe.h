#pragma once
// Builders for the solids the tests measure: registered points, closed face polygons and
// polyhedra made of them.

#include <string>
#include <vector>

#include "model/Objekte.h"

namespace quodral::testhilfe {

inline void punkt(const std::string& n, double x, double y, double z) { Punkt(n, x, y, z).einlisten(); }

// A closed face: the corner list repeats its first corner.
inline void seite(const std::string& n, std::vector<std::string> ecken) {
    ecken.push_back(ecken.front());
    Polygon(n, ecken).einlisten();
}

// A polyhedron named n whose faces (closed) are registered as n + "1", n + "2", ...
inline Polyeder koerper(const std::string& n, const std::vector<std::vector<std::string>>& flaechen) {
    std::vector<std::string> seiten;
    for (std::size_t i = 0; i < flaechen.size(); ++i) {
        seiten.push_back(n + std::to_string(i + 1));
        seite(seiten.back(), flaechen[i]);
    }
    Polyeder pd(n, seiten);
    pd.einlistenAls(n);
    return pd;
}

// The box with corners A to H spanned by a, b and c from the origin (a cube for the unit
// vectors); the faces are bottom, top, front, back, left, right.
inline Polyeder spat(const std::string& n, const Vektor& a, const Vektor& b, const Vektor& c) {
    const Vektor o;
    const auto setze = [](const std::string& name, const Vektor& v) { punkt(name, v.x1, v.x2, v.x3); };
    setze("A", o);
    setze("B", a);
    setze("C", a + b);
    setze("D", b);
    setze("E", c);
    setze("F", a + c);
    setze("G", a + b + c);
    setze("H", b + c);
    return koerper(n, {{"A", "D", "C", "B"},
                       {"E", "F", "G", "H"},
                       {"A", "B", "F", "E"},
                       {"D", "H", "G", "C"},
                       {"A", "E", "H", "D"},
                       {"B", "C", "G", "F"}});
}

inline Polyeder wuerfel(const std::string& n = "W") {
    return spat(n, Vektor(1, 0, 0), Vektor(0, 1, 0), Vektor(0, 0, 1));
}

// The tetrahedron with the corners A (0,0,0), B (1,0,0), C (0,1,0), D (0,0,1).
inline Polyeder tetraeder(const std::string& n = "T") {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    return koerper(n, {{"A", "C", "B"}, {"A", "B", "D"}, {"B", "C", "D"}, {"A", "D", "C"}});
}

// The pyramid over the square A (0,0,0), B (2,0,0), C (2,2,0), D (0,2,0) with the apex S (1,1,3).
inline Polyeder quadratPyramide(const std::string& n = "Q") {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 2, 2, 0);
    punkt("D", 0, 2, 0);
    punkt("S", 1, 1, 3);
    return koerper(n, {{"A", "D", "C", "B"}, {"A", "B", "S"}, {"B", "C", "S"}, {"C", "D", "S"}, {"D", "A", "S"}});
}

}  // namespace quodral::testhilfe
