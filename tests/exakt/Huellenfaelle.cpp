#include "exakt/Huellenfaelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>

#include "Zufallsort.h"
#include "model/Objekte.h"

namespace quodral::pruefung {

Wolke zufallswolke(std::mt19937& z, int n, double raster, double weite) {
    std::uniform_real_distribution<double> u(-weite / 2, weite / 2);
    Wolke w;
    for (int i = 0; i < n; ++i) {
        Ort o;
        for (double& x : o) x = raster > 0 ? std::round(u(z) / raster) * raster : u(z);
        w.push_back(o);
    }
    return w;
}

Wolke zufallspunktklumpen(std::mt19937& z, int n) {
    std::uniform_int_distribution<int> r(0, 199);
    Wolke w;
    for (int i = 0; i < n; ++i) {
        Ort o;
        for (double& x : o) x = (r(z) - 100) / 30.0;
        w.push_back(o);
    }
    return w;
}

std::string kurz(double x) {
    char puffer[24];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 3);
    return fehler == std::errc{} ? std::string(puffer, ende) : "?";
}

Wolke bewegt(const Wolke& w, const Lage& l, bool drehen, unsigned saat) {
    std::mt19937 z(saat);
    std::array<std::array<double, 3>, 3> m = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    if (drehen) m = testhilfe::zufallsdrehung(z);
    const double richtung[3] = {0.6, -0.48, 0.64};
    Wolke r;
    for (const Ort& p : w) {
        Ort o;
        for (int i = 0; i < 3; ++i)
            o[i] = l.versatz * richtung[i] + l.massstab * (m[i][0] * p[0] + m[i][1] * p[1] + m[i][2] * p[2]);
        r.push_back(o);
    }
    return r;
}

std::string titel(const std::string& familie, const Lage& l) {
    return familie + " @ " + kurz(l.massstab) + (l.versatz != 0 ? " +" + kurz(l.versatz) : "");
}

std::string einzeilig(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

Bilanz::~Bilanz() {
    const std::string zeile = "[exakt] " + std::to_string(geprueft) + " Fälle geprüft" +
                              (ausgelassen.empty() ? "" : "; ausgelassen:" + ausgelassen) + "\n";
    std::fputs(zeile.c_str(), stdout);
}

std::string auslassgrund(const exakt::Huelle& h, double tol) {
    if (!h.raeumlich || h.dicke < tol / 4) return "flach";
    if (h.dicke < 2 * tol) return "Dicke nahe der Toleranz";
    return {};
}

void melden(const std::string& titel, const Befund& b) {
    if (b.ok()) return;
    std::string text;
    for (const std::string& m : b.meldungen) text += "\n    " + m;
    ADD_FAILURE() << titel << ":" << text;
}

bool zuPruefen(const std::string& titel, const std::string& grund, Bilanz& bilanz) {
    if (!grund.empty()) {
        bilanz.ausgelassen += " " + titel + " (" + grund + ")";
        return false;
    }
    ++bilanz.geprueft;
    return true;
}

bool huelleGetippt(Sitzung& s, const Wolke& w, Befund& b) {
    s.wolke("P", w, "K");
    const std::string antwort = s.tippen("KHUELLE H K");
    if (istPolyeder("H")) return true;
    b("KHUELLE abgelehnt: " + einzeilig(antwort));
    return false;
}

void gebauteHuelle(const std::string& titel, const Wolke& w, const std::function<void(Befund&)>& pruefen) {
    Befund b;
    Sitzung s;
    if (huelleGetippt(s, w, b)) {
        pruefen(b);
        pruefeSchnappschuss(s, b);
        s.tippen("UMHUELLE U K");
        pruefeKanten("U", "H", b);
    }
    melden(titel, b);
}

void huelleFall(const std::string& titel, const Wolke& w, Bilanz& bilanz, const std::function<void(Befund&)>& weiter) {
    const exakt::Huelle ref = exakt::exakteHuelle(w);
    const double tol = toleranz(w);
    if (!zuPruefen(titel, auslassgrund(ref, tol), bilanz)) return;
    gebauteHuelle(titel, w, [&](Befund& b) {
        pruefeKoerper("H", w, ref, ref.volumen, tol, b);
        if (weiter) weiter(b);
    });
}

}  // namespace quodral::pruefung
