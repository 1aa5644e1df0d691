#pragma once
// The help texts of the command language: one explanation per statement keyword, the
// overview of all keywords, and the set of keywords whose help the dispatcher adds to its
// answer.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quodral {

// The one-line overview of all statement keywords. Its irregular blanks are part of the
// text: two blanks before DREHWINKEL and before VERBIRG, none before the hyphen after EBENE,
// GERADE and KUGEL, none after the hyphen before ENTSCHRIFTEAUSWAHL.
inline const std::string hilfeListe =
    "* - ABSTAND - AKTIVIEREN - AUFPUNKT - AUTOOBJEKT - BEENDEN - BESCHRIFTE - DREHACHSE - "
    "ACHSE - DEAKTIVIEREN - DREHUNG - DREHEN - DREHE -  DREHWINKEL - DREIBEIN - DUPLIKAT - "
    "DURCHMESSER - EBENE- EBENEN - ECKENKLUMPEN - EINFUEGEN - EINPASSEN - ENTFERNEN - "
    "ENTSCHRIFTE -ENTSCHRIFTEAUSWAHL - FLAECHE - GERADE- GERADEN - HOEHE - HUELLE - HÜLLE - "
    "KHUELLE - KLONEN - KLUMPEN - KOORDINATENACHSEN - KREIS - KREISE - KUGEL- KUGELN - "
    "LOESCHEN - LOTFUSSPUNKT - MIT - NEU - OHNE - ORTHOGONALE - PARALLELE - POLYGON - POLYGONE "
    "- POLYEDER - PRISMA - PYRAMIDE - QUADER - RECHTECK - RICHTUNG - SCREENSHOT - SCHNITT - "
    "SEI - SCROLL - STERN - STRAHL - STRAHLEN - STRECKE - STRECKEN - STRECKENANTRAG - "
    "STRECKUNG - TAUSCHE - UMHUELLE - UNBEZEICHNET - UNSICHTBAR - VERBORGEN - VERSCHIEBE -  "
    "VERBIRG - VERBIRGAUSWAHL - VERNICHTE - VOLUMEN - WENDE - WINKEL - XYBEWEGUNG - ZEIGE - "
    "ZENTRUM - ZERLEGUNG - ZUFALLSPUNKTKLUMPEN - ZYLINDER";

// The upper-case keywords whose help text the dispatcher appends to its answer before the
// handler runs, and from which it draws its keyword suggestions. Eighty words were written
// down; VERBIRG stands twice among them, so the set holds 79 topics. The interpreter reads
// the topics from the marks of its keyword registry; the registry's test holds this set and
// those marks equal.
inline const std::set<std::string> hilfeThemen{
    "*", "?", "ABSTAND", "AKTIVIEREN", "AUFPUNKT", "AUTOOBJEKT", "BESCHRIFTE", "BEENDEN", "DREHACHSE",
    "ACHSE", "DEAKTIVIEREN", "DREHUNG", "DREHEN", "DREIBEIN", "DUPLIKAT", "DURCHMESSER", "ECKENKLUMPEN",
    "EINFUEGEN", "EINPASSEN", "ENTFERNEN", "ENTSCHRIFTE", "ENTSCHRIFTEAUSWAHL", "FLAECHE", "GERADE",
    "GERADEN", "HOEHE", "HUELLE", "HÜLLE", "KHUELLE", "KLONEN", "KOORDINATENACHSEN", "KLUMPEN", "KREIS",
    "KREISE", "KUGEL", "KUGELN", "LOESCHEN", "LOTFUSSPUNKT", "MIT", "NEU", "OHNE", "ORTHOGONALE", "PARALLELE",
    "POLYGON", "POLYEDER", "POLYGONE", "PYRAMIDE", "PRISMA", "QUADER", "RECHTECK", "RICHTUNG", "SCREENSHOT",
    "SCROLL", "SCHNITT", "SEI", "STERN", "STRAHL", "STRAHLEN", "STRECKE", "STRECKEN", "STRECKENANTRAG",
    "STRECKUNG", "TAUSCHE", "UMHUELLE", "UNBEZEICHNET", "VERBIRG", "VERBIRGAUSWAHL", "VERSCHIEBE",
    "UNSICHTBAR", "VERBIRG", "VERNICHTE", "VOLUMEN", "WENDE", "WINKEL", "XYBEWEGUNG", "ZEIGE", "ZENTRUM",
    "ZERLEGUNG", "ZUFALLSPUNKTKLUMPEN", "ZYLINDER",
};

// One entry of the help table: the keyword forms that share one text (upper case; umlaut
// and plain spellings and synonyms) and that text. The entry for "?" has an empty text:
// its text is built from the overview.
struct HilfeEintrag {
    std::vector<std::string_view> formen;
    std::string_view text;
};

// The help table in its fixed order: 90 topics under 112 keyword forms.
const std::vector<HilfeEintrag>& hilfeTabelle();

// The help text for a topic, normally a statement keyword in any letter case. "?" gives the
// overview of all keywords; a topic without an entry gives the topic as typed followed by
// " ist kein vorgesehenes Schlüsselwort!". A statement answered by help alone is never
// recorded, so every call clears lok.
std::string hilfe(const std::string& thema);

}  // namespace quodral
