#include "constructions/Dreibein.h"

#include <algorithm>
#include <cmath>

#include "checks/Kontrolle.h"
#include "state/Zustand.h"
#include "intersections/Schneiderei.h"
#include "model/Ebene.h"
#include "model/Kreis.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"
#include "model/Polygon.h"
#include "model/Punkt.h"
#include "model/Vektor.h"
#include "state/Namensvorbehalt.h"

namespace quodral {

double sinus(double w) { return std::sin(w * pi / 180.0); }

double cosinus(double w) { return std::cos(w * pi / 180.0); }

bool dreiBeinPolygon(const std::string& name, const std::vector<double>& wnkl) {
    if (wnkl.size() < 3 || !std::all_of(wnkl.begin(), wnkl.begin() + 3, [](double w) { return std::isfinite(w); })) {
        lok = false;
        return false;
    }
    const double w1 = wnkl[0];
    const double w2 = wnkl[1];
    const double w3 = wnkl[2];

    // The tripod's own name is reserved while the leg points take theirs, so that they
    // become name1, name2, name3 rather than name, name1, name2.
    const std::string pn = nextFreeName(name);
    Namensvorbehalt vorbehalt(pn);

    const Vektor bein1 = evec1;
    const Vektor bein2(cosinus(w1), sinus(w1), 0.0);

    // Leg 3 is a unit vector at the angle w2 from leg 2 and w3 from leg 1: its end lies on
    // the circle of all unit vectors at w2 from leg 2, and on that of those at w3 from leg 1.
    const Vektor einheit2 = einheitsvektor(bein2).value_or(evec1);
    const Punkt m2 = vektor2Punkt(cosinus(w2) * einheit2);
    const Kreis kegel2("", m2, sinus(w2), Ebene(m2, bein2));
    const Punkt m1("", cosinus(w3), 0.0, 0.0);
    const Kreis kegel1("", m1, sinus(w3), Ebene(m1, evec1));
    // The common points come in the order of the direction leg 2 × leg 1 = (0, 0, -sin w1):
    // the first lies on the side z > 0 for w1 between 0 and 180.
    const std::vector<Punkt> enden = kreisKreisSchnitt(kegel2, kegel1);
    const Vektor bein3 = enden.empty() ? bein1 : enden.front().ortsvektor();

    const Vektor e1 = einheitsvektor(bein1).value_or(evec1);
    const Vektor e2 = einheitsvektor(bein2).value_or(evec1);
    const Vektor e3 = einheitsvektor(bein3).value_or(e1);

    std::vector<std::string> eingetragen;
    const auto punktEintragen = [&eingetragen](const std::string& n, const Vektor& v) {
        if (Punkt(n, v.x1, v.x2, v.x3).einlisten()) eingetragen.push_back(n);
    };
    const std::string ursprungName = nextFreeName(pn + "0");
    punktEintragen(ursprungName, nullvec);
    std::string endNamen[3];
    const Vektor* beine[3] = {&e1, &e2, &e3};
    for (int i = 0; i < 3; ++i) {
        endNamen[i] = nextFreeName(pn);
        punktEintragen(endNamen[i], *beine[i]);
    }

    // An open path out along each leg and back to the origin.
    const Polygon dreibein(pn, {endNamen[0], ursprungName, endNamen[1], ursprungName, endNamen[2]});
    vorbehalt.freigeben();
    if (eingetragen.size() != 4 || !dreibein.einlistenAls(pn)) {
        // A leg that could not be registered leaves no part of the tripod behind.
        for (const std::string& n : eingetragen) auslisten(n);
        lok = false;
        return false;
    }
    quittung = "Das Dreibein " + pn + " wurde erzeugt.";
    return true;
}

}  // namespace quodral
