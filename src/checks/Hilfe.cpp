#include "checks/Hilfe.h"

namespace quodral {

namespace {

const std::string hilfeEinleitung =
    "Die Anweisung  ? <Schlüsselwort>  ruft eine Erläuterung des Schlüsselworts auf.\n\n"
    "Schlüsselwörter sind: \n\n ";

}  // namespace

const std::vector<HilfeEintrag>& hilfeTabelle() {
    static const std::vector<HilfeEintrag> tabelle{
        // 1
        {"?",
         ""},
        // 2
        {"*",
         "Der Stern '*' leitet - getrennt vom Folgetext durch ein Komma oder Leerzeichen, einen Kommentar ein, "
         "der als nicht auszuführende Anweisungszeile in die Liste aufgenommen wird."},
        // 3
        {"ABSTAND",
         "Die Auskunftsfunktion ABSTAND, Format:\n\n"
         "ABSTAND <objekt1> <objekt2>\n\n"
         " gibt den Abstand der beiden genannten GeoObjekte an."},
        // 4
        {"AKTIVIEREN",
         "Mit dem Kommando\n\n"
         " AKTIVIEREN <nr1> <nr2>\n\n"
         " werden die Zeilen nr1 bis nr2 der Anweisungsliste wieder aktiviert, indem ihr führender Stern entfernt "
         "wird. Auf Zeilen, die bereits aktiv sind, hat das Kommando keine Wirkung."},
        // 5
        {"AUFPUNKT",
         "Mit der Anweisung\n\n"
         " AUFPUNKT <neuname> <objekt>\n\n"
         " wird ein Punkt namens <neuname> festgelegt: bei einem Strahl oder Polygon dessen Anfangspunkt, bei "
         "einer Geraden oder Ebene ein auf ihr gewählter Punkt, bei einem Kreis oder einer Kugel ein Punkt auf "
         "dem Kreis bzw. der Kugel."},
        // 6
        {"AUTOOBJEKT",
         "Die Anweisung AUTOOBJEKT ohne Parameter nennt das aktuelle autoObjekt, das mit dem Scrollrad bewegt "
         "wird. Mit\n\n"
         " AUTOOBJEKT <name>\n\n"
         " wird ein neues autoObjekt angemeldet. Jedes GeoObjekt kommt dafür in Frage."},
        // 7
        {"BEENDEN",
         "Beendet das Programm Quodral."},
        // 8
        {"BESCHRIFTE",
         "Mit der Anweisung\n\n"
         " BESCHRIFTE <name>\n"
         " oder \n"
         " ZEIGE <name>\n\n"
         " wird das genannte Objekt (auch ein Kollektiv wie allePunkte) sichtbar gemacht; Punkte und Polygone "
         "werden dabei mit ihrem Namen beschriftet."},
        // 9
        {"BESCHRIFTEAUSWAHL",
         "Mit der Anweisung\n\n"
         " BESCHRIFTEAUSWAHL <kürzel>\n\n"
         " werden alle Objekte, deren Namen mit <kürzel> beginnen, sichtbar gemacht; Punkte und Polygone werden "
         "dabei mit ihrem Namen beschriftet."},
        // 10
        {"DEAKTIVIEREN",
         "Mit dem Kommando\n\n"
         " DEAKTIVIEREN <nr1> <nr2>\n\n"
         " werden die Zeilen nr1 bis nr2 der Anweisungsliste durch einen vorangestellten Stern zu Kommentarzeilen "
         "gemacht. Solche Zeilen werden beim Ausführen der Liste übergangen."},
        // 11
        {"DEZIMALEN",
         "Die Anweisung DEZIMALEN ohne Parameter nennt die aktuelle Anzahl der Dezimalen (Nachkommastellen) der "
         "ausgegebenen Zahlen. Mit\n\n"
         " DEZIMALEN <n>\n\n"
         " wird sie auf die ganze Zahl n aus dem Bereich 0...8 gesetzt."},
        // 12
        {"DREHACHSE",
         "Die Anweisung DREHACHSE ohne Parameter nennt die aktuelle Drehachse. Mit\n\n"
         " DREHACHSE <gerade>\n\n"
         " wird eine neue Drehachse für das Drehen des autoObjekts mit dem Scrollrad angemeldet."},
        // 13
        {"DREHUNG",
         "Mit der Anweisung\n"
         " DREHUNG <neuname> <objekt> <linie> <zahl> \n\n"
         " wird das genannte Objekt um die durch <linie> festgelegte Gerade durch einen Winkel der Weite 'zahl' "
         "gedreht. Dabei kann <linie> eine Gerade, eine Strecke oder ein Strahl sein. Das Ergebnis der Drehung "
         "wird mit <neuname> bezeichnet. Die Drehachse kann auch durch zwei Punkte beschrieben werden: \n\n"
         " DREHUNG <neuname> <objekt> <punkt1> <punkt2> <zahl>\n\n"
         " Soll durch die Drehung nicht ein Bild des Objekts erzeugt, sodern das Objekt selbst bewegt werden, ist "
         "als <neuname> ebenfalls das autoObjekt anzugeben:\n\n"
         "DREHUNG <neuname> <objekt> <linie> <zahl>\n"},
        // 14
        {"DREHWINKEL",
         "Die Anweisung DREHWINKEL ohne Parameter nennt den aktuellen Drehwinkel. Mit\n\n"
         " DREHWINKEL <zahl>\n\n"
         " wird ein neuer Drehwinkel (in Grad) für das schrittweise Drehen des autoObjekts mit dem Scrollrad "
         "festgelegt."},
        // 15
        {"DREIBEIN",
         "Mit der Anweisung\n\n"
         " DREIBEIN <neuname> <winkel1> <winkel2> <winkel3>\n\n"
         " wird ein Polygon aus drei Strecken der Länge 1 erzeugt, die vom Ursprung O ausgehen und paarweise die "
         "angegebenen Winkel (in Grad) miteinander bilden."},
        // 16
        {"DUPLIKAT",
         "Mit dem Makro\n\n"
         " DUPLIKAT <neuname> <polyeder>\n\n"
         " wird ein Duplikat des Polyeders erzeugt und - anders als beim Klon - mit den aktuellen Koordinaten "
         "seiner Ecken in die Anweisungsliste eingetragen. Wie EINPASSEN und NECK ist DUPLIKAT nur für die "
         "direkte Eingabe gedacht und darf nicht durch Austausch in die Anweisungsliste gebracht werden."},
        // 17
        {"DURCHMESSER",
         "Die Auskunftsfunktion DURCHMESSER, Format:\n\n"
         " DURCHMESSER <objekt>\n\n"
         " gibt den größten Abstand zweier Punkte eines räumlichen Objekts, eines Kreises oder eines Polygons an. "
         "Als Formel:\n\n"
         " SEI <formelname> DURCHMESSER <objekt>\n"},
        // 18
        {"EBENE",
         "Mit der Anweisung \n\n"
         " EBENE <neuname> <punkt1> <punkt2> <punkt3> \n"
         " oder \n"
         " EBENE <neuname> <kreis> \n\n"
         " wird eine Ebene erzeugt, welche die drei angegegebenen Punkte bzw. den angegebenen Kreis enthält."},
        // 19
        {"EBENEN",
         "Listet alle aktuell definierten Ebenen auf."},
        // 20
        {"EINFUEGEN",
         "Mit dem Kommando\n\n"
         " EINFUEGEN <nr1> <nr2>\n\n"
         " werden neue leere, deaktivierte Zeilen nr1 bis nr2 in die Anweisungsliste eingefügt; die bisherige "
         "Zeile nr1 wird zur Zeile nr2 + 1."},
        // 21
        {"EINPASSEN",
         "Mit dem Kommando\n\n"
         " EINPASSEN <neuname> <punkt1> <punkt2> <punkt3>\n\n"
         " wird der Streckenzug durch die drei Punkte zu einem regulären Vieleck ergänzt. Das ist möglich, wenn "
         "2x / (180° - x) eine positive ganze Zahl ist, wobei x der Winkel ist, den die drei Punkte bilden."},
        // 22
        {"ENTFERNEN",
         "Mit dem Kommando\n\n"
         " ENTFERNEN <nr1> <nr2>\n\n"
         " werden die Zeilen nr1 bis nr2 unwiderruflich aus der Anweisungsliste entfernt. Es empfiehlt sich, die "
         "Liste vorher zu sichern und Zeilen stattdessen mit DEAKTIVIEREN auszukommentieren."},
        // 23
        {"ENTSCHRIFTEAUSWAHL",
         "Mit der Anweisung\n\n"
         " ENTSCHRIFTEAUSWAHL <kürzel>\n\n"
         " wird die Beschriftung aller Punkte und Polygone unterdrückt, deren Namen mit <kürzel> beginnen."},
        // 24
        {"FIXIEREN",
         "Das Kommando FIXIEREN schreibt jeden durch seine Koordinaten definierten Punkt der Anweisungsliste auf "
         "seine aktuelle Lage um. Wurde nichts mit dem Scrollrad bewegt, bleibt es ohne Wirkung."},
        // 25
        {"FLAECHE",
         "Formelkonstruktion und Auskunftsfunktion FLAECHE (auch FLÄCHE), Format:\n\n"
         " FLAECHE <objekt>\n\n"
         " gibt den Oberflächeninhalt eines räumlichen Objekts (Kugel, Zylinder, Kegel, Prisma) oder den "
         "Flächeninhalt eines Kreises oder konvexen Polygons an. Mit vorangestelltem SEI und einem Formelnamen "
         "wird daraus eine Formel:\n\n"
         " SEI <formelname> FLAECHE <objekt>\n"},
        // 26
        {"GERADE",
         "Mit der Anweisung\n\n"
         " GERADE <neuname> <punkt1> <punkt2>\n\n"
         " wird die Gerade durch die beiden Punkte erzeugt."},
        // 27
        {"GERADEN",
         "Listet alle aktuell definierten Geraden auf."},
        // 28
        {"HILFE",
         "Listet alle für Anweisungen zu verwendenden Schlüsselworter auf."},
        // 29
        {"HOEHE",
         "Die Auskunftsfunktion HOEHE, Format:\n\n"
         " HOEHE <objekt>\n\n"
         " gibt die Höhe eines Kegels oder Zylinders an. Als Formel:\n\n"
         " SEI <formelname> HOEHE <objekt>\n"},
        // 30
        {"HUELLE",
         "Mit der Anweisung\n\n"
         " HUELLE <neuname> <punkt1> <punkt2> ...\n\n"
         " wird die lineare Hülle der Punkte erzeugt: ein Punkt, eine Gerade oder eine Ebene. Ist die Hülle der "
         "ganze Raum, wird kein Objekt benannt."},
        // 31
        {"KEGEL",
         "Mit der Anweisung\n\n"
         " KEGEL <neuname> <kreis> <punkt>\n\n"
         " wird der Kreiskegel über dem Basiskreis <kreis> erzeugt. Seine Spitze liegt auf der Achse des Kreises, "
         "in der Höhe des Punkts <punkt> über der Kreisebene; statt des Punkts kann auch die Höhe als Zahl "
         "angegeben werden. Ohne Parameter listet KEGEL alle Kegel auf."},
        // 32
        {"KHUELLE",
         "Mit der Anweisung\n\n"
         " KHUELLE <neuname> <klumpen>\n\n"
         " wird die konvexe Hülle des Klumpens als Polygon oder Polyeder erzeugt. Ist die Hülle nur ein Punkt "
         "oder eine Strecke, wird die Anweisung abgelehnt."},
        // 33
        {"KLON",
         "Format:\n"
         " KLON <neuname> <objekt> \n"
         " Erzeugt einen Klon namens <neuname> vom angegebenen Objekt."},
        // 34
        {"KLUMPEN",
         "Die Anweisung KLUMPEN ohne Parameter listet alle Klumpen auf. Mit\n\n"
         " KLUMPEN <neuname> <objekt1> <objekt2> ...\n\n"
         " wird ein Klumpen erzeugt, dessen Zellen die genannten Objekte sind; zugelassen ist jedes Objekt außer "
         "Klumpen und Formeln. Ein Klumpen ist eine Menge: jedes Objekt ist höchstens einmal in ihm enthalten."},
        // 35
        {"KOLLEKTIV",
         "KOLLEKTIV ist keine Anweisung. Die acht Kollektive allePunkte, alleGeraden, alleStrecken, alleStrahlen, "
         "allePolygone, alleKreise, alleKugeln und alleKlumpen können in Klumpen-, Lösch- und "
         "Sichtbarkeitsanweisungen anstelle einzelner Objekte angegeben werden, zum Beispiel:\n\n"
         " LOESCHE allePolygone\n"},
        // 36
        {"KOORDINATENACHSEN",
         "Der Schalter KOORDINATENACHSEN schaltet die Koordinatenachsen zwischen sichtbar und verborgen um."},
        // 37
        {"KREIS",
         "Mit der Anweisung\n\n"
         " KREIS <neuname> <punkt1> <punkt2> <punkt3>\n\n"
         " wird der Kreis durch die drei Punkte erzeugt, mit\n\n"
         " KREIS <neuname> <mittelpunkt> <radius> <ebene>\n\n"
         " der Kreis mit dem angegebenen Mittelpunkt und Radius in der angegebenen Ebene."},
        // 38
        {"KREISE",
         "Listet alle aktuell definierten Kreise auf."},
        // 39
        {"KUGEL",
         "Mit der Anweisung\n\n"
         " KUGEL <neuname> <punkt1> <punkt2> <punkt3> <punkt4>\n\n"
         " wird die Kugel durch die vier Punkte erzeugt, mit\n\n"
         " KUGEL <neuname> <mittelpunkt> <radius>\n\n"
         " die Kugel um den Mittelpunkt mit dem angegebenen Radius. Statt des Radius kann auch ein Punkt der "
         "Kugel angegeben werden."},
        // 40
        {"KUGELN",
         "Listet alle aktuell definierten Kugeln auf."},
        // 41
        {"LOESCHEN",
         "Mit der Anweisung\n\n"
         " LOESCHEN <name1> <name2> ...\n\n"
         " werden die genannten Objekte oder die Objekte eines Kollektivs dauerhaft entfernt. Zusammengesetzte "
         "Objekte hinterlassen ihre definierenden Punkte, ein Polyeder hinterlässt seine Seitenpolygone, und "
         "Punkte, die noch an andere Objekte gebunden sind, bleiben erhalten. Vollständig löscht die Anweisung "
         "VERNICHTE."},
        // 42
        {"LOTFUSSPUNKT",
         "Mit der Anweisung\n\n"
         " LOTFUSSPUNKT <neuname> <punkt> <gerade oder ebene>\n\n"
         " wird der Fußpunkt des Lotes vom Punkt auf die Gerade oder Ebene erzeugt."},
        // 43
        {"MIT",
         "Mit der Anweisung\n\n"
         " MIT <klumpen> <name>\n\n"
         " wird das genannte Objekt in den Klumpen aufgenommen; ist <name> selbst ein Klumpen, werden dessen "
         "Elemente aufgenommen."},
        // 44
        {"NECK",
         "Mit dem Makro\n\n"
         " NECK <neuname> <eckenzahl> <strecke> <ebene>\n"
         " oder \n"
         " NECK <neuname> <eckenzahl> <punkt1> <punkt2> <punkt3>\n\n"
         " wird das reguläre Vieleck über der Strecke bzw. über der Strecke von punkt1 nach punkt2 erzeugt, das "
         "in der angegebenen Ebene bzw. in der Ebene durch die drei Punkte liegt. Liegt die Strecke nicht in der "
         "Ebene oder liegen die drei Punkte auf einer Geraden, wird ein Fehler gemeldet. NECK ist nur für die "
         "direkte Eingabe gedacht."},
        // 45
        {"OHNE",
         "Mit der Anweisung\n\n"
         " OHNE <klumpen> <name>\n\n"
         " wird das genannte Element aus dem Klumpen entfernt."},
        // 46
        {"ORTHOGONALE",
         "Mit der Anweisung\n\n"
         " ORTHOGONALE <neuname> <linie oder ebene> <punkt>\n\n"
         " wird die Senkrechte durch den Punkt erzeugt: zu einer Geraden eine orthogonale Ebene, zu einer Ebene "
         "eine orthogonale Gerade."},
        // 47
        {"PARALLELE",
         "Mit der Anweisung\n\n"
         " PARALLELE <neuname> <objekt> <punkt>\n\n"
         " wird die Parallele durch den Punkt erzeugt: zu einer Strecke, einem Strahl oder einer Geraden eine "
         "Gerade, zu einer Ebene oder einem Kreis eine Ebene."},
        // 48
        {"POLYEDER",
         "Mit der Anweisung\n\n"
         " POLYEDER <neuname> <polygon1> <polygon2> ...\n\n"
         " wird das Polyeder mit den genannten Seitenpolygonen erzeugt. Es wird nicht erzeugt, wenn ein "
         "Seitenpolygon fehlt oder nicht konvex ist oder wenn die Seiten das Polyeder nicht lückenlos und ohne "
         "Überlappungen begrenzen. Ohne Parameter listet POLYEDER alle Polyeder auf."},
        // 49
        {"POLYGON",
         "Mit der Anweisung\n\n"
         " POLYGON <neuname> <punkt1> <punkt2> ...\n\n"
         " wird das Polygon mit den genannten Eckpunkten erzeugt; die Punkte müssen bereits existieren."},
        // 50
        {"POLYGONE",
         "Listet alle aktuell definierten Polygone auf."},
        // 51
        {"PRISMA",
         "Mit der Anweisung\n\n"
         " PRISMA <neuname> <polygon> <höhe>\n"
         " oder \n"
         " PRISMA <neuname> <polygon> <vektor>\n"
         " oder \n"
         " PRISMA <neuname> <polygon> <x> <y> <z>\n\n"
         " wird das Prisma erzeugt, das entsteht, wenn das Polygon senkrecht um die Höhe oder um den Vektor "
         "verschoben wird. Ist das Polygon nicht konvex, wird ein Fehler gemeldet."},
        // 52
        {"PUNKT",
         "Der Punkt <pname> mit dem Koordinatentripel (x,y,z) wird erzeugt durch die Anweisung\n\n"
         " PUNKT <neuname> <x>  <y>  <z>\n"},
        // 53
        {"PUNKTE",
         "Listet alle aktuell definierten Punkte auf."},
        // 54
        {"PYRAMIDE",
         "Mit der Anweisung\n\n"
         " PYRAMIDE <neuname> <polygon> <spitze>\n\n"
         " wird die Pyramide über dem Polygon mit der angegebenen Spitze erzeugt, mit\n\n"
         " PYRAMIDE <neuname> <polygon> <höhe> <punkt>\n\n"
         " die Pyramide der angegebenen Höhe in dem Halbraum, in dem der Punkt liegt; eine negative Höhe ergibt "
         "die Pyramide im anderen Halbraum. Die Ecken des Polygons müssen in einer Ebene liegen."},
        // 55
        {"QUADER",
         "Mit der Anweisung\n\n"
         " QUADER <neuname> <breite> <länge> <höhe>\n\n"
         " wird das Kantenmodell eines achsenparallelen Quaders mit den angegebenen Kantenlängen erzeugt."},
        // 56
        {"RECHTECK",
         "Mit der Anweisung\n\n"
         " RECHTECK <neuname> <breite> <länge>\n\n"
         " wird ein achsenparalleles Rechteck der angegebenen Breite und Länge in der xy-Ebene erzeugt."},
        // 57
        {"RICHTUNG",
         "Mit der Anweisung\n\n"
         " RICHTUNG <vektor>\n"
         " oder \n"
         " RICHTUNG <punkt1> <punkt2>\n"
         " oder \n"
         " RICHTUNG <x> <y> <z>\n\n"
         " wird die Richtung festgelegt, in der das autoObjekt bei der Scroll-Einstellung schieb verschoben wird. "
         "Ohne Parameter zeigt RICHTUNG die aktuelle Richtung an."},
        // 58
        {"SCHNITT",
         "Die Schnitt-Anweisung erzeugt das Schnittgebilde von zwei GeoObjekten; das Format ist:\n\n"
         " SCHNITT <neuname> <objekt1> <objekt>."},
        // 59
        {"SCREENSHOT",
         "Das Kommando SCREENSHOT schreibt eine Konstruktionsliste aller Punkte, Polygone und Polyeder und "
         "sichert sie unter einem zu wählenden Namen als Anweisungsliste."},
        // 60
        {"SCHWERPUNKT",
         "Mit der Anweisung\n\n"
         " SCHWERPUNKT <neuname> <objekt>\n\n"
         " wird der Schwerpunkt einer Strecke, eines Polygons, eines Kreises, einer Kugel oder eines Polyeders "
         "erzeugt, mit\n\n"
         " SCHWERPUNKT <neuname> <punkt1> <punkt2>\n\n"
         " der Mittelpunkt der beiden Punkte."},
        // 61
        {"SEI",
         "Mit der Anweisung\n\n"
         " SEI <formelname> <term>\n\n"
         " wird eine Formel definiert, etwa eine Konstante für einen Abstand, eine Länge, einen Winkel oder einen "
         "Radius, die bei Zahleingaben verwendet werden kann. Beispiel für eine Kugel um P, welche die Ebene e "
         "berührt:\n\n"
         " SEI r Abstand e P\n"
         " KUGEL k P r\n"},
        // 62
        {"SICHTBAR",
         "Mit der Anweisung\n\n"
         " SICHTBAR <name>\n\n"
         " wird das genannte Objekt oder Kollektiv sichtbar gemacht; ein Punkt wird dabei beschriftet. Die "
         "Beschriftung lässt sich mit UNBEZEICHNET wieder unterdrücken."},
        // 63
        {"SPIEGELUNG",
         "Mit der Anweisung\n\n"
         " SPIEGELUNG <neuname> <objekt> <spiegel>\n\n"
         " wird das Spiegelbild des Objekts erzeugt; der Spiegel kann ein Punkt, eine Gerade oder eine Ebene sein."},
        // 64
        {"SCROLL",
         "Der Schalter SCROLL legt fest, wie das autoObjekt mit dem Scrollrad (bei gedrückten Tasten Alt und "
         "Umschalt) bewegt wird:\n\n"
         " SCROLL schieb : Verschieben in der mit RICHTUNG eingestellten Richtung\n"
         " SCROLL xschieb, SCROLL yschieb, SCROLL zschieb : Verschieben längs der x-, y- oder z-Achse\n"
         " SCROLL dreh : Drehen um die mit DREHACHSE angemeldete Gerade\n"
         " SCROLL xdreh, SCROLL ydreh, SCROLL zdreh : Drehen um die x-, y- oder z-Achse\n"
         " SCROLL streck : Strecken vom mit ZENTRUM gesetzten Zentrum aus\n"},
        // 65
        {"START",
         "Das Makro START erzeugt eine Testkonstellation: ein Polygon po (das Kantenmodell eines Quaders) mit "
         "seinen Ecken A, B, C usw. und eine Gerade g durch O und F."},
        // 66
        {"STERN",
         "Mit der Anweisung\n\n"
         " STERN <neuname> <punkt> <punktklumpen>\n\n"
         " wird das sternförmige Polygon aus den Strecken vom Punkt zu den Punkten des Klumpens erzeugt."},
        // 67
        {"STRAHL",
         "Mit der Anweisung\n\n"
         " STRAHL <neuname> <punkt1> <punkt2>\n\n"
         " wird der Strahl erzeugt, der in punkt1 beginnt und durch punkt2 verläuft."},
        // 68
        {"STRAHLEN",
         "Listet alle aktuell definierten Strahlen auf."},
        // 69
        {"STRECKE",
         "Mit der Anweisung\n\n"
         " STRECKE <neuname> <punkt1> <punkt2>\n\n"
         " wird die Strecke mit den beiden Endpunkten erzeugt. Eine Strecke, die zu einem Punkt entartet, wird "
         "abgelehnt."},
        // 70
        {"STRECKEN",
         "Ohne weitere Parameter listet die Anweisung STRECKEN alle aktuell definierten Strecken auf."},
        // 71
        {"STRECKENANTRAG",
         "Mit der Anweisung\n\n"
         " STRECKENANTRAG <neuname> <strecke> <punkt>\n\n"
         " wird an den Punkt eine zur Strecke parallele Strecke gleicher Länge angetragen. Statt des Punkts kann "
         "ein Punktklumpen angegeben werden; dann wird die Strecke an jeden Punkt des Klumpens angetragen."},
        // 72
        {"STRECKUNG",
         "Mit der Anweisung\n\n"
         " STRECKUNG <neuname> <objekt> <zentrum> <faktor>\n\n"
         " wird das Bild des Objekts bei der zentrischen Streckung mit dem Punkt <zentrum> als Streckzentrum und "
         "dem angegebenen Streckfaktor erzeugt."},
        // 73
        {"TANGENTEN",
         "Mit der Anweisung\n\n"
         " TANGENTEN <neuname> <gerade> <kugel>\n\n"
         " werden die beiden Tangentialebenen der Kugel durch die Gerade erzeugt, sofern es sie gibt."},
        // 74
        {"TAUSCHE",
         "Mit dem Kommando\n\n"
         " TAUSCHE <nr1> <nr2>\n\n"
         " werden die beiden Zeilen der Anweisungsliste vertauscht. Mit + oder - als zweiter Angabe wird die "
         "Zeile nr1 mit der folgenden bzw. der vorhergehenden Zeile getauscht."},
        // 75
        {"UMHUELLE",
         "Mit der Anweisung\n\n"
         " UMHUELLE <neuname> <punktklumpen>\n\n"
         " wird das Kantenmodell der konvexen Hülle des Punktklumpens als Klumpen von Strecken erzeugt. Das "
         "Verfahren arbeitet nur näherungsweise und ist fehleranfällig."},
        // 76
        {"UNBEZEICHNET",
         "Mit der Anweisung\n\n"
         " UNBEZEICHNET <punkt>\n"
         " oder \n"
         " UNBEZEICHNET allePunkte\n\n"
         " wird die Beschriftung des Punkts bzw. aller Punkte unterdrückt. Gleichbedeutend sind ENTSCHRIFTE und "
         "ENTSCHRIFTET."},
        // 77
        {"VEKTOR",
         "Mit der Anweisung\n\n"
         " VEKTOR <neuname> <x> <y> <z>\n\n"
         " wird der Vektor mit den angegebenen Komponenten erzeugt, mit\n\n"
         " VEKTOR <neuname> <punkt1> <punkt2>\n\n"
         " der Vektor, den der Pfeil von punkt1 nach punkt2 darstellt."},
        // 78
        {"VEKTOREN",
         "Listet alle aktuell definierten Vektoren auf."},
        // 79
        {"VERBORGEN",
         "Mit der Anweisung\n\n"
         " VERBORGEN <name>\n\n"
         " wird das genannte Objekt oder Kollektiv verborgen. Gleichbedeutend sind UNSICHTBAR, VERBIRG und "
         "VERBERGEN."},
        // 80
        {"VERBIRGAUSWAHL",
         "Mit der Anweisung\n\n"
         " VERBIRGAUSWAHL <kürzel>\n\n"
         " werden alle Objekte verborgen, deren Namen mit <kürzel> beginnen."},
        // 81
        {"VERSCHIEBUNG",
         "Mit der Anweisung\n\n"
         " VERSCHIEBUNG <name> <punkt1> <punkt2>\n"
         " oder \n"
         " VERSCHIEBUNG <name> <x> <y> <z>\n"
         " oder \n"
         " VERSCHIEBUNG <name> <vektor>\n\n"
         " wird das genannte Objekt selbst verschoben, und zwar um den Pfeil von punkt1 nach punkt2, um den "
         "Vektor mit den drei Komponenten bzw. um den genannten Vektor. Soll das Objekt unverändert erhalten "
         "bleiben, ist es vorher zu klonen (KLON)."},
        // 82
        {"VERNICHTE",
         "Mit der Anweisung\n\n"
         " VERNICHTE <name>\n\n"
         " wird das genannte Objekt oder Kollektiv gelöscht. Für Punkte wirkt sie wie LOESCHE; bei Klumpen und "
         "Polygonen werden auch deren Zellen bzw. Ecken gelöscht, ausgenommen Punkte, die zu einem anderen Objekt "
         "gehören."},
        // 83
        {"VOLUMEN",
         "Formelkonstruktion und Auskunftsfunktion VOLUMEN, Format:\n\n"
         " VOLUMEN <objekt>\n\n"
         " gibt das Volumen eines räumlichen Objekts (Kugel, Zylinder, Kegel, Prisma) an. Mit vorangestelltem SEI "
         "und einem Formelnamen wird daraus eine Formel:\n\n"
         " SEI <formelname> VOLUMEN <objekt>\n"},
        // 84
        {"WENDE",
         "Mit der Anweisung\n\n"
         " WENDE <name>\n\n"
         " wird die Richtung einer Strecke oder Geraden umgekehrt; ein Strahl wird zu seinem Ergänzungsstrahl auf "
         "seiner Trägergeraden."},
        // 85
        {"WINKEL",
         "Formelkonstruktion und Auskunftsfunktion WINKEL, Format:\n\n"
         " WINKEL <linie1> <linie2>\n"
         " oder \n"
         " WINKEL <ebene1> <ebene2>\n"
         " oder \n"
         " WINKEL <punkt1> <punkt2> <punkt3>\n\n"
         " gibt den Winkel zwischen zwei Linien (Geraden, Strecken oder Strahlen), zwischen zwei Ebenen oder den "
         "Winkel am mittleren der drei Punkte an. Mit vorangestelltem SEI und einem Formelnamen wird daraus eine "
         "Formel:\n\n"
         " SEI <formelname> WINKEL <punkt1> <punkt2> <punkt3>\n"},
        // 86
        {"XYBEWEGUNG",
         "Mit der Anweisung\n\n"
         " XYBEWEGUNG <objekt> <punkt1> <punkt2> <punkt3>\n\n"
         " wird das Objekt mit derjenigen Bewegung bewegt, die punkt1 in den Ursprung, punkt2 auf die x-Achse und "
         "alle drei Punkte in die xy-Ebene bringt. Die drei Punkte dürfen nicht auf einer Geraden liegen."},
        // 87
        {"ZENTRUM",
         "Die Anweisung ZENTRUM ohne Parameter nennt das aktuelle Streckzentrum. Mit\n\n"
         " ZENTRUM <punkt>\n\n"
         " wird ein neues Streckzentrum für das Strecken des autoObjekts mit dem Scrollrad angemeldet."},
        // 88
        {"ZUFALLSPUNKTKLUMPEN",
         "Mit der Anweisung\n\n"
         " ZUFALLSPUNKTKLUMPEN <neuname> <anzahl>\n\n"
         " wird ein Klumpen aus der angegebenen Anzahl zufällig gewählter Punkte erzeugt, die mit ihren Namen "
         "angezeigt werden."},
        // 89
        {"ZERLEGUNG",
         "Mit der Anweisung\n\n"
         " ZERLEGUNG <neuname> <strecke oder kreis> <anzahl>\n\n"
         " wird die Strecke bzw. der Kreis in die angegebene Anzahl gleich großer Teile zerlegt. Es entsteht der "
         "Klumpen <neuname> der Teilungspunkte, deren Namen aus dem Klumpennamen, dem Buchstaben Z und einer "
         "Nummer bestehen."},
        // 90
        {"ZYLINDER",
         "Mit der Anweisung\n\n"
         " ZYLINDER <neuname> <kreis> <punkt>\n\n"
         " wird der Zylinder über dem Basiskreis <kreis> erzeugt, dessen Deckfläche in der zur Kreisebene "
         "parallelen Ebene durch den Punkt liegt. Ohne Parameter listet ZYLINDER alle Zylinder auf."},
    };
    return tabelle;
}

std::optional<std::string> hilfetext(std::string_view schluessel) {
    // The overview's entry has no text of its own: it introduces the list of all keywords.
    if (schluessel == "?") return hilfeEinleitung + hilfeListe;
    for (const HilfeEintrag& eintrag : hilfeTabelle())
        if (eintrag.schluessel == schluessel) return std::string(eintrag.text);
    return std::nullopt;
}

}  // namespace quodral
