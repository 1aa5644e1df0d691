#pragma once
// The cases of the hull tests against the exact reference, written once for every group of
// clouds: a cloud placed (turned, scaled, moved), typed as a cluster, its hull built by KHUELLE
// and checked (Koerperpruefung.h), and the counts of a test printed at its end.

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "exakt/ExakteReferenz.h"
#include "exakt/Koerperpruefung.h"

namespace quodral::pruefung {

using Wolke = std::vector<Ort>;

// Where a cloud of extent about 1 around the origin is put: scaled, and moved along a fixed
// oblique direction.
struct Lage {
    double massstab, versatz;
};

// n random places in the cube of side weite about the origin, each coordinate rounded to a
// multiple of raster where one is given.
Wolke zufallswolke(std::mt19937& z, int n, double raster = 0, double weite = 1);

// The points of ZUFALLSPUNKTKLUMPEN: each coordinate (r − 100) / 30 for a uniform integer r
// from 0 to 199.
Wolke zufallspunktklumpen(std::mt19937& z, int n);

// Three significant digits, for the names of cases.
std::string kurz(double x);

// A random rotation (a unit quaternion of the seed, unless drehen is false), the scale and the
// offset of the place.
Wolke bewegt(const Wolke& w, const Lage& l, bool drehen, unsigned saat);

// The name of a case: the family's and the place's.
std::string titel(const std::string& familie, const Lage& l);

// An answer on one line, for the table of findings.
std::string einzeilig(std::string text);

// The counts of one test, printed at its end; a test none of whose cases could be checked fails.
struct Bilanz {
    int geprueft = 0;
    std::string ausgelassen;
    ~Bilanz();
};

// Why the cloud cannot be checked at this place: it spans no solid within the tolerance, or
// is about as thick as the tolerance. Empty when it can.
std::string auslassgrund(const exakt::Huelle& h, double tol);

// A failure of the case with every finding of it; nothing where there are none.
void melden(const std::string& titel, const Befund& b);

// A case is checked unless the exact reference gives a reason to leave it out; then it is
// named among those left out.
bool zuPruefen(const std::string& titel, const std::string& grund, Bilanz& bilanz);

// The cloud typed as the points P… of the cluster K, and its hull as KHUELLE H K: false, with
// the answer among the findings, where no polyhedron H was built.
bool huelleGetippt(Sitzung& s, const Wolke& w, Befund& b);

// The hull of the cloud typed as KHUELLE and checked by `pruefen`, its snapshot replayed, and
// UMHUELLE of the same cloud against its faces; the findings reported under the title.
void gebauteHuelle(const std::string& titel, const Wolke& w, const std::function<void(Befund&)>& pruefen);

// The hull of the cloud, where the exact reference lets it be checked, built by gebauteHuelle
// and checked against the exact hull (with `weiter` too, where given).
void huelleFall(const std::string& titel, const Wolke& w, Bilanz& bilanz, const std::function<void(Befund&)>& weiter = {});

}  // namespace quodral::pruefung
