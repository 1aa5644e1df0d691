// Taking the scene shares with the scene taken before every list that came out the same. Such a
// taking must be the scene as it is: after every kind of change it equals a taking that copies
// everything anew (the debug build's taking checks that itself), and draws the same, also when
// drawn in parts on several threads. And the
// drawing hands a path that lies inside the box
// around the drawing area on without cutting it, which relies on the cutting giving such a path
// back step for step.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "FrischerStart.h"
#include "ProtokollFenster.h"
#include "app/ViewController.h"
#include "drawing/Clipping.h"
#include "drawing/Einstellungen.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "model/Attribute.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

class AbzugTeilen : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        steuerung.fensterGeladen();
    }

    void tippen(const std::string& anweisung) {
        fenster.eingabe = anweisung;
        steuerung.aktionB();
    }

    // The scene taken by comparison with the one before equals the scene taken from nothing
    // (the taking itself compares the two in debug builds and stops where they differ), and
    // draws the same in parts as at once.
    void wieNeuAufgenommen(const std::string& nach, bool zeichnen) {
        const Szenenabzug geteilt = szeneAufnehmen();
        EXPECT_EQ(geteilt.punkte.anzahl(), punktListe.size()) << nach;
        if (!zeichnen) return;
        Zeichenliste a;
        szeneZeichnen(a, geteilt);
        // Drawn in parts, on several threads and in any order, and joined: the same list.
        std::vector<Zeichenliste> teile;
        szeneZeichnen(teile, geteilt, [](std::size_t anzahl, const std::function<void(std::size_t)>& arbeit) {
            std::vector<std::thread> faeden;
            for (std::size_t k = 0; k < 3; ++k)
                faeden.emplace_back([&, k] {
                    for (std::size_t i = anzahl; i-- > 0;)
                        if (i % 3 == k) arbeit(i);
                });
            for (std::thread& f : faeden) f.join();
        });
        EXPECT_GT(teile.size(), 10u) << nach;
        Zeichenliste zusammen;
        for (const Zeichenliste& t : teile) t.abspielen(zusammen);
        EXPECT_TRUE(zusammen == a) << nach;
    }

    ProtokollFenster fenster;
    ViewController steuerung{fenster};
};

std::string p(int i) { return "P" + std::to_string(i); }

}  // namespace

TEST_F(AbzugTeilen, UnveraendertWirdAllesGeteilt) {
    for (int i = 0; i < 700; ++i) tippen("PUNKT " + p(i) + " " + std::to_string(i % 7) + " " + std::to_string(i % 5) + " 0");
    tippen("STRECKE s P1 P2");
    tippen("GERADE g P3 P4");
    tippen("POLYGON q P1 P2 P3 P1");
    const Szenenabzug vorher = szeneAufnehmen();
    tippen("ABSTAND P1 P2");
    const Szenenabzug danach = szeneAufnehmen();
    EXPECT_TRUE(danach.strecken.selbe(vorher.strecken));
    EXPECT_TRUE(danach.geraden.selbe(vorher.geraden));
    EXPECT_TRUE(danach.polygone.selbe(vorher.polygone));
    EXPECT_EQ(danach.punkte.abschnitte(), vorher.punkte.abschnitte());

    // A new point is one new section of the points; the other sections and lists stay shared.
    tippen("PUNKT P350x 1 1 1");
    const Szenenabzug neu = szeneAufnehmen();
    ASSERT_EQ(neu.punkte.abschnitte().size(), vorher.punkte.abschnitte().size());
    int anders = 0;
    for (std::size_t i = 0; i < neu.punkte.abschnitte().size(); ++i)
        anders += neu.punkte.abschnitte()[i] == vorher.punkte.abschnitte()[i] ? 0 : 1;
    EXPECT_EQ(anders, 1);
    EXPECT_TRUE(neu.strecken.selbe(vorher.strecken));
    ASSERT_NE(neu.punkte.finde("P350x"), nullptr);
    EXPECT_EQ(neu.punkte.finde("P350x")->z, 1.0);
    // A point of a section that stayed is the very entry it was.
    ASSERT_NE(neu.punkte.finde("P0"), nullptr);
    EXPECT_EQ(neu.punkte.finde("P0"), vorher.punkte.finde("P0"));
    EXPECT_EQ(neu.punkte.finde("Q"), nullptr);
}

// The sections of the points, taken one new point after the other into one section until it is
// cut, then emptied by deleting its points one after the other: after each taking no section is
// empty or longer than twice the cut, the names ascend through all of them, and the taking is
// the scene as it is.
TEST_F(AbzugTeilen, AbschnittWaechstUndLeertSich) {
    for (int i = 0; i < 700; ++i) tippen("PUNKT " + p(i) + " " + std::to_string(i % 7) + " " + std::to_string(i % 5) + " 0");
    (void)szeneAufnehmen();
    const auto pruefen = [](const Szenenabzug& s, const std::string& nach) {
        const std::string* vorige = nullptr;
        for (const auto& a : s.punkte.abschnitte()) {
            ASSERT_FALSE(a->empty()) << nach;
            ASSERT_LE(a->size(), 512u) << nach;
            for (const auto& d : *a) {
                if (vorige != nullptr) {
                    ASSERT_LT(*vorige, d.name) << nach;
                }
                vorige = &d.name;
            }
        }
        ASSERT_EQ(s.punkte.anzahl(), punktListe.size()) << nach;
    };
    const auto name = [](int i) { return "P0x" + std::to_string(1000 + i); };
    for (int i = 0; i < 600; ++i) {
        tippen("PUNKT " + name(i) + " 1 " + std::to_string(i) + " 2");
        pruefen(szeneAufnehmen(), name(i));
    }
    const std::size_t amEnde = szeneAufnehmen().punkte.abschnitte().size();
    EXPECT_GT(amEnde, 3u);   // the grown section was cut
    wieNeuAufgenommen("nach dem Wachsen", false);
    for (int i = 0; i < 600; ++i) {
        tippen("LOESCHE " + name(i));
        pruefen(szeneAufnehmen(), "LOESCHE " + name(i));
    }
    EXPECT_LT(szeneAufnehmen().punkte.abschnitte().size(), amEnde);   // the emptied sections are gone
    wieNeuAufgenommen("nach dem Leeren", false);
}

// The lines kept in sections over random new, moved, hidden, shown and deleted lines and
// changed colours, each taken by its name alone: after each taking the list is the registry's
// visible lines in name order, read at any run of places, and every old section but the one
// that held the changed line is shared.
TEST_F(AbzugTeilen, LinienabschnitteFolgenDerRegistry) {
    std::mt19937 zufall(3);
    const auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(zufall); };
    const auto name = [](int i) { return "g" + std::to_string(i); };
    for (int i = 0; i < 3000; i += 2) ASSERT_TRUE(Gerade(Punkt("", i, 0, 0), Vektor(1, 1, 0)).einlistenAls(name(i)));
    for (int i = 0; i < 600; ++i) ASSERT_TRUE(Punkt("", i % 7, i % 5, 1).einlistenAls(p(i)));
    Szenenabzug vorher = szeneAufnehmen();
    ASSERT_GT(vorher.geraden.abschnitte().size(), 4u);
    for (int schritt = 0; schritt < 300; ++schritt) {
        const std::string g = name(zahl(3000));
        Gerade* gerade = finde(geradenListe, g);
        switch (zahl(5)) {
            case 0:
                if (gerade == nullptr) {
                    ASSERT_TRUE(Gerade(Punkt("", 0, schritt, 0), Vektor(0, 1, 1)).einlistenAls(g));
                }
                break;
            case 1:
                if (gerade != nullptr) gerade->ap.x += 1;
                break;
            case 2: auslisten(g); break;
            case 3:
                if (gerade != nullptr)
                    gerade->vision = gerade->vision == darstellung::verborgen ? darstellung::vollsichtbar : darstellung::verborgen;
                break;
            default:
                if (Attribut* a = finde(attrListe, g)) a->f = a->f == farbe::blau ? farbe::rot : farbe::blau;
                break;
        }
        const Szenenabzug s = szeneAufnehmen();
        std::vector<const Szenenabzug::Geradendaten*> liste;
        s.geraden.durchlaufen(0, s.geraden.anzahl(), [&](const auto& d) { liste.push_back(&d); });
        std::size_t i = 0;
        for (const auto& [n, r] : geradenListe.karte()) {
            if (r.vision == darstellung::verborgen) continue;
            ASSERT_LT(i, liste.size()) << g;
            const Attribut* a = finde(attrListe.karte(), n);
            ASSERT_TRUE(liste[i]->name == n && liste[i]->ap.x == r.ap.x && liste[i]->attr.has_value() == (a != nullptr) &&
                        (a == nullptr || *liste[i]->attr == *a))
                << g << " " << n;
            ++i;
        }
        ASSERT_EQ(i, liste.size()) << g;
        for (const auto& a : s.geraden.abschnitte()) ASSERT_TRUE(!a->empty() && a->size() <= 512) << g;
        const int von = zahl(static_cast<int>(liste.size()) + 1), bis = von + zahl(static_cast<int>(liste.size()) - von + 1);
        std::size_t k = static_cast<std::size_t>(von);
        s.geraden.durchlaufen(k, static_cast<std::size_t>(bis), [&](const auto& d) { ASSERT_EQ(&d, liste[k++]); });
        ASSERT_EQ(k, static_cast<std::size_t>(bis));
        std::size_t geteilt = 0;
        for (const auto& a : vorher.geraden.abschnitte())
            geteilt += std::count(s.geraden.abschnitte().begin(), s.geraden.abschnitte().end(), a);
        EXPECT_GE(geteilt + 1, vorher.geraden.abschnitte().size()) << g;
        vorher = s;
    }
    wieNeuAufgenommen("nach den Geraden", true);
}

// Random statements of every kind that changes the drawing, on a scene large enough to be taken
// on two threads: after each, the shared taking is the scene as it is.
TEST_F(AbzugTeilen, NachJederAenderungWieNeuAufgenommen) {
    std::mt19937 zufall(11);
    const auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(zufall); };
    const auto koord = [&] { return rund(std::uniform_real_distribution<double>(-3, 3)(zufall), 6); };
    int punkte = 0;
    for (; punkte < 1300; ++punkte) tippen("PUNKT " + p(punkte) + " " + koord() + " " + koord() + " " + koord());
    std::string ebenenpunkt;   // a point of the plane made last: the centre of the next circle
    for (int i = 0; i < 1800; ++i) {
        const std::string a = p(zahl(punkte)), b = p(zahl(punkte)), c = p(zahl(punkte));
        switch (i % 5) {
            case 0: tippen("STRECKE s" + std::to_string(i) + " " + a + " " + b); break;
            case 1: tippen("GERADE g" + std::to_string(i) + " " + a + " " + b); break;
            case 2:
                tippen("EBENE e" + std::to_string(i) + " " + a + " " + b + " " + c);
                ebenenpunkt = a;
                break;
            case 3:
                tippen("KREIS k" + std::to_string(i) + " " + ebenenpunkt + " 0.5 e" + std::to_string(i - 1));
                break;
            default: tippen("POLYGON q" + std::to_string(i) + " " + a + " " + b + " " + c + " " + a); break;
        }
    }
    tippen("STRAHL r1 P1 P2");
    ASSERT_GE(punktListe.size(), 1000u);
    ASSERT_GE(kreisListe.size(), 100u);
    ASSERT_EQ(strahlListe.size(), 1u);
    ASSERT_GE(geradenListe.size() + kreisListe.size() + streckenListe.size() + polygonListe.size(), 1000u);
    wieNeuAufgenommen("Anfang", true);

    // A line whose attributes went missing gets them from the taking, on whichever thread.
    attrListe.erase("g1");
    (void)szeneAufnehmen();
    ASSERT_NE(finde(attrListe, "g1"), nullptr);
    EXPECT_EQ(*finde(attrListe, "g1"), (Attribut{1, 1, 1, farbe::schwarz}));

    const std::vector<std::string> objekte{"s0", "g1", "k3", "q4", "s5", "q9", "r1", "P5", "P700", "P1299", "g6"};
    for (int schritt = 0; schritt < 200; ++schritt) {
        const std::string o = objekte[static_cast<std::size_t>(zahl(static_cast<int>(objekte.size())))];
        std::string anweisung;
        switch (zahl(10)) {
            case 0: anweisung = "PUNKT " + p(punkte++) + " " + koord() + " " + koord() + " " + koord(); break;
            case 1: anweisung = "PUNKT A" + std::to_string(schritt) + " " + koord() + " 0 1"; break;
            case 2: anweisung = "VERSCHIEBUNG " + o + " 0.25 -0.5 0.125"; break;
            case 3: anweisung = "VERBORGEN " + o; break;
            case 4: anweisung = "ZEIGE " + o; break;
            case 5: anweisung = "UNBEZEICHNET " + p(zahl(punkte)); break;
            case 6: anweisung = "LOESCHE " + p(zahl(punkte)); break;
            case 7:
            case 8: {
                // A label moved, a colour or a width changed, as the view's controls do it.
                Attribut* a = finde(attrListe, zahl(2) == 0 ? o : p(zahl(punkte)));
                if (a != nullptr) {
                    a->dx += 3;
                    a->breite = 1 + zahl(4);
                    a->f = zahl(2) == 0 ? farbe::blau : farbe::schwarz;
                }
                anweisung = "ABSTAND P1 P2";
                break;
            }
            default: anweisung = "ABSTAND P1 P" + std::to_string(zahl(punkte)); break;
        }
        tippen(anweisung);
        if (schritt == 80) dreiD = true;
        if (schritt == 120) dreiD = false;
        wieNeuAufgenommen(anweisung, schritt % 10 == 0);
    }
    // The attributes of one object of each kind, one after the other.
    for (const std::string& o : objekte) {
        if (Attribut* a = finde(attrListe, o)) a->breite = a->breite % 5 + 1;
        wieNeuAufgenommen("Breite von " + o, false);
    }
    // A ray takes the colour the last circle before it leaves, also where the rays are a part
    // of their own.
    ASSERT_FALSE(kreisListe.empty());
    attrListe.insert_or_assign(kreisListe.rbegin()->first, Attribut{0, 0, 2, farbe::gruen});
    wieNeuAufgenommen("grüner Kreis vor dem Strahl", true);
}

// A path well inside the box around the drawing area is given back step for step by the
// cutting: lines, moves, and arcs after a current point or on their own.
TEST(PfadImKasten, KommtUnveraendertZurueck) {
    std::mt19937 zufall(5);
    std::uniform_real_distribution<double> ort(sichtkastenMin + 60, sichtkastenMax - 60);
    std::uniform_real_distribution<double> winkel(-400, 400);
    for (int n = 0; n < 500; ++n) {
        Pfad pfad;
        const int schritte = 1 + n % 12;
        for (int i = 0; i < schritte; ++i) {
            const Sichtpunkt q{ort(zufall), ort(zufall)};
            switch ((n + i) % 4) {
                case 0: pfad.bewegeZu(q); break;
                case 1:
                case 2: pfad.linieZu(q); break;
                default: pfad.bogen(q, 1 + (n % 50), winkel(zufall), winkel(zufall)); break;
            }
        }
        EXPECT_EQ(pfadKappen(pfad).schritte, pfad.schritte) << n;
    }
}

}  // namespace quodral
