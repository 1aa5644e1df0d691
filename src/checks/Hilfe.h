#pragma once
// The help texts of the command language: one explanation per statement keyword, kept by key,
// and the overview of all keywords. Which spellings find which text, and which spellings are
// help topics, the keyword registry says (interpreter/Schluesselwoerter.h).

#include <optional>
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

// One entry of the help table: the key under which the keyword registry finds it (the
// registry's rows say which spellings find which key) and its text. The entry for "?" has an
// empty text: its text is built from the overview.
struct HilfeEintrag {
    std::string_view schluessel;
    std::string_view text;
};

// The help table in its fixed order: 90 texts, each under its own key.
const std::vector<HilfeEintrag>& hilfeTabelle();

// The help text under a key: "?" gives the overview of all keywords; nothing for a key without
// an entry.
std::optional<std::string> hilfetext(std::string_view schluessel);

}  // namespace quodral
