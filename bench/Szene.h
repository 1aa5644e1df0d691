#pragma once
// The mixed scene of the speed figures, typed statement by statement as a user would build it:
// in every ten objects five points, a segment, a line, a plane, a circle and a polygon, so
// that nine in ten are drawn, all points labelled. The coordinates come from a fixed
// sequence, so every run builds the same scene; every twentieth point lies on an earlier one
// (doubled labels for "Doppelte verbergen").

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/Punkt.h"
#include "text/Zahlen.h"

namespace quodral::bench {

// A small fixed pseudo-random sequence (no dependence on the library's generators).
class Folge {
public:
    double zahl(double von, double bis) {
        zustand_ = zustand_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const double u = static_cast<double>(zustand_ >> 11) / 9007199254740992.0;
        return von + (bis - von) * u;
    }

private:
    std::uint64_t zustand_ = 0x5eed;
};

// The statements of a scene of n objects, in the order in which they are typed.
inline std::vector<std::string> szenenAnweisungen(int n) {
    std::vector<std::string> zeilen;
    zeilen.reserve(static_cast<std::size_t>(n));
    Folge f;
    int punkte = 0;
    std::vector<std::string> orte;   // the coordinates of each point, to double some of them
    auto p = [](int i) { return "P" + std::to_string(i); };
    for (int i = 0; static_cast<int>(zeilen.size()) < n; ++i) {
        const int rolle = i % 10;
        if (rolle < 5 || punkte < 4) {
            std::string ort;
            if (punkte % 20 == 19) {
                ort = orte[static_cast<std::size_t>(punkte / 2)];
            } else {
                // Drawn z first, then y and x: the order in which this scene has always been built.
                const double z = f.zahl(-2, 2), y = f.zahl(-3.8, 3.8), x = f.zahl(-3.8, 3.8);
                ort = rund(x, 6) + " " + rund(y, 6) + " " + rund(z, 6);
            }
            orte.push_back(ort);
            zeilen.push_back("PUNKT " + p(punkte) + " " + ort);
            ++punkte;
            continue;
        }
        // Four recent points that are no doubles of each other.
        const int a = punkte - 1, b = punkte - 2, c = punkte - 3, d = punkte - 4;
        const std::string n = std::to_string(i);
        switch (rolle) {
            case 5: zeilen.push_back("STRECKE s" + n + " " + p(a) + " " + p(c)); break;
            case 6: zeilen.push_back("GERADE g" + n + " " + p(b) + " " + p(d)); break;
            case 7: zeilen.push_back("EBENE e" + n + " " + p(a) + " " + p(b) + " " + p(d)); break;
            case 8:
                zeilen.push_back("KREIS k" + n + " " + p(a) + " " + rund(f.zahl(0.2, 1.0), 3) + " e" +
                                 std::to_string(i - 1));
                break;
            default:
                zeilen.push_back("POLYGON q" + n + " " + p(a) + " " + p(b) + " " + p(d) + " " + p(a));
                break;
        }
    }
    return zeilen;
}

// The points of a cloud on a sphere of radius 3 with coordinates of full precision: no lattice
// carries them, as after a rotation of a cluster.
inline std::vector<Punkt> kugelpunkte(int n) {
    Folge f;
    std::vector<Punkt> pkte;
    for (int i = 0; i < n; ++i) {
        const double z = f.zahl(-1, 1), t = f.zahl(0, 6.283185307179586);
        const double r = std::sqrt(1 - z * z);
        Punkt p;
        p.name = "S" + std::to_string(i);
        p.x = 3 * r * std::cos(t);
        p.y = 3 * r * std::sin(t);
        p.z = 3 * z;
        pkte.push_back(std::move(p));
    }
    return pkte;
}

// Types the scene of n objects with `tippen`.
inline void szeneTippen(int n, const std::function<void(const std::string&)>& tippen) {
    for (const std::string& z : szenenAnweisungen(n)) tippen(z);
}

}  // namespace quodral::bench
