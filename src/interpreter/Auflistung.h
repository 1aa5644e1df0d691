#pragma once
// The listings of one object kind each, behind the one-word commands PUNKTE, VEKTOREN,
// GERADEN, STRECKEN, STRAHLEN, EBENEN, POLYGONE, FORMELN, KLUMPEN, KUGELN, KREISE, KEGEL,
// ZYLINDER and POLYEDER. Listings only read: no registry, no check state and no lok changes
// (formula values are evaluated with the check state saved and restored around them).

#include <optional>
#include <string>
#include <vector>

#include "model/Artentabelle.h"

namespace quodral {

// The complete listing text of one kind: its heading, then its empty text or the body.
std::string zeigePunkte();
std::string zeigeVektoren();
std::string zeigeGeraden();
std::string zeigeStrecken();
std::string zeigeStrahlen();
std::string zeigeEbenen();
std::string zeigePolygone();
std::string zeigeFormeln();
std::string zeigeKlumpen();
std::string zeigeKugeln();
std::string zeigeKreise();
std::string zeigeKegel();
std::string zeigeZylinder();
std::string zeigePolyeder();

// The body of a listing: the count line and the entries, names in ascending byte order.
std::string allePunkteBeschreiben();
std::string alleVektorenBeschreiben();
std::string alleGeradenBeschreiben();
std::string alleStreckenBeschreiben();
std::string alleStrahlenBeschreiben();
std::string alleEbenenBeschreiben();
std::string allePolygoneBeschreiben();
std::string alleFormelnBeschreiben();
std::string alleKlumpenBeschreiben();
std::string alleKugelnBeschreiben();
std::string alleKreiseBeschreiben();
std::string alleKegelBeschreiben();
std::string alleZylinderBeschreiben();
std::string allePolyederBeschreiben();

// The keys of one registry, in the registry's own order.
std::vector<std::string> punktnamenliste();
std::vector<std::string> geradennamenliste();
std::vector<std::string> streckennamenliste();
std::vector<std::string> strahlnamenliste();
std::vector<std::string> ebenennamenliste();
std::vector<std::string> polygonnamenliste();
std::vector<std::string> formelnamenliste();
std::vector<std::string> klumpennamenliste();
std::vector<std::string> kugelnamenliste();
std::vector<std::string> kreisnamenliste();
std::vector<std::string> kegelnamenliste();
std::vector<std::string> zylindernamenliste();

// The listing of a one-word command given upper-cased (PUNKTE, KEGEL ...): the one-word
// spellings of the keyword registry's listing rows; nothing for any other text.
std::optional<std::string> auflistung(const std::string& befehl);

// The listing of one kind, as its listing word answers.
std::string auflistung(Objektart art);

}  // namespace quodral
