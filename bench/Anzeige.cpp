// Figures of the speed that the user feels, for the core alone: a typed statement in a large
// scene, the replay of the list, the scene drawing without a painter, hiding doubled labels
// and deleting all points. The window's own figures (the input line with the view beside it,
// a painted frame) are in bench/qt/.

#include <memory>
#include <string>

#include "Messung.h"
#include "Sitzung.h"
#include "Szene.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "drawing/Steuerung.h"
#include "text/Zahlen.h"

namespace quodral::bench {

namespace {

// A session holding the mixed scene of n objects.
std::shared_ptr<Sitzung> szene(int n) {
    auto s = std::make_shared<Sitzung>();
    szeneTippen(n, [&](const std::string& z) { s->tippen(z); });
    return s;
}

std::string groesse(int n) { return std::to_string(n) + " Objekte"; }

// Twenty statements typed one after the other: new points (each changes the drawing) or a
// measurement (changes nothing drawable); the time per statement.
Groesse getippt(const std::string& was, int n, bool schnell, bool abfrage) {
    return {was + ", " + groesse(n) + ", je Anweisung", schnell,
            [n, abfrage] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] { szeneTippen(n, [&](const std::string& z) { s->tippen(z); }); },
                            [s, abfrage] {
                                for (int i = 0; i < 20; ++i)
                                    s->tippen(abfrage ? "ABSTAND P" + std::to_string(i) + " P" + std::to_string(i + 1)
                                                      : "PUNKT Neu" + std::to_string(i) + " 0.5 " +
                                                            rund(i * 0.1, 6) + " 1");
                            }};
            },
            20};
}

Groesse wiederholung(int n, bool schnell) {
    return {"Liste ausführen, " + std::to_string(n) + " Zeilen", schnell, [n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] { szeneTippen(n, [&](const std::string& z) { s->tippen(z); }); },
                            [s] { s->steuerung.execB(); }};
            }};
}

// A canvas that only counts: the scene drawing's own work without any painter.
class ZaehlLeinwand : public Leinwand {
public:
    void rechteckFuellen(double, double, double, double, const Farbwert&) override { ++n; }
    void pfadZiehen(const Pfad& pfad, const Farbwert&, double) override { n += pfad.schritte.size(); }
    void textSchreiben(const std::string&, Sichtpunkt, double) override { ++n; }
    std::size_t n = 0;
};

Groesse szenenzeichnung(int n, bool schnell) {
    return {"Szene zeichnen ohne Maler, " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::shared_ptr<Sitzung>>();
                return Lauf{[s, n] { *s = szene(n); },
                            [] {
                                ZaehlLeinwand l;
                                szeneZeichnen(l);
                            }};
            }};
}

// Taking the scene after a new point: the points' section that holds it is taken anew, the
// rest compared.
Groesse aufnahmeNachPunkt(int n, bool schnell) {
    return {"Szene aufnehmen nach PUNKT (Hauptfaden), " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::shared_ptr<Sitzung>>();
                return Lauf{[s, n] {
                                *s = szene(n);
                                (void)szeneAufnehmen();
                            },
                            [s] {
                                for (int i = 0; i < 10; ++i) {
                                    (*s)->tippen("PUNKT Neu" + std::to_string(i) + " 0.5 0.25 1");
                                    const Szenenabzug a = szeneAufnehmen();
                                    (void)a;
                                }
                            }};
            },
            10};
}

// Taking the scene: the part of a redraw that stays on the main thread; here of a scene taken
// the same just before, as after a query.
Groesse aufnahme(int n, bool schnell) {
    return {"Szene aufnehmen (Hauptfaden), " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::shared_ptr<Sitzung>>();
                return Lauf{[s, n] {
                                *s = szene(n);
                                (void)szeneAufnehmen();
                            },
                            [] {
                                for (int i = 0; i < 10; ++i) {
                                    const Szenenabzug a = szeneAufnehmen();
                                    (void)a;
                                }
                            }};
            },
            10};
}

// The view's controls without a view: the redraw is the view's own figure.
class StillerPort : public GrafikPort {
public:
    std::string suchText() override { return {}; }
    void suchTextSetzen(const std::string&) override {}
    int farbIndex() override { return 0; }
    void piepen() override {}
    void neuZeichnen() override {}
};

Groesse doppelte(int n, bool schnell) {
    return {"Doppelte verbergen, " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::shared_ptr<Sitzung>>();
                return Lauf{[s, n] { *s = szene(n); },
                            [] {
                                StillerPort port;
                                entDoppeln(port);
                            }};
            }};
}

// The fit to all points on the smallest drawing, where the labels, measured by the core's
// bound, move and widen the window and some are left out.
Groesse punkteFangen(int n, bool schnell) {
    struct KleinerPort : StillerPort {
        double zeichenSeite() override { return 222; }
    };
    return {"Punkte fangen, kleinste Zeichnung, " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::shared_ptr<Sitzung>>();
                return Lauf{[s, n] { *s = szene(n); },
                            [] {
                                KleinerPort port;
                                punkteFang(port);
                            }};
            }};
}

Groesse allePunkteLoeschen(int n, bool schnell) {
    return {"LOESCHE allePunkte, " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::shared_ptr<Sitzung>>();
                return Lauf{[s, n] { *s = szene(n); }, [s] { (*s)->tippen("LOESCHE allePunkte"); }};
            }};
}

const Figur anzeige("Gefühlte Geschwindigkeit (Kern)",
                    {getippt("PUNKT getippt", 100, true, false), getippt("PUNKT getippt", 1000, false, false),
                     getippt("PUNKT getippt", 10000, false, false), getippt("ABSTAND getippt", 10000, false, true),
                     wiederholung(100, true), wiederholung(1000, false), wiederholung(10000, false),
                     aufnahme(100, true), aufnahme(1000, false), aufnahme(10000, false),
                     aufnahmeNachPunkt(100, true), aufnahmeNachPunkt(1000, false), aufnahmeNachPunkt(10000, false),
                     szenenzeichnung(100, true), szenenzeichnung(1000, false), szenenzeichnung(10000, false),
                     doppelte(100, true), doppelte(1000, false), doppelte(10000, false),
                     punkteFangen(100, true), punkteFangen(1000, false), punkteFangen(10000, false),
                     allePunkteLoeschen(100, true), allePunkteLoeschen(1000, false),
                     allePunkteLoeschen(10000, false)});

}  // namespace

}  // namespace quodral::bench
