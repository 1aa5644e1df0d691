#pragma once
// Visibility by name and by name prefix: how an object is drawn (with its label, without it,
// or not at all). The drawing reads the records' vision; this is where it is written.

#include <string>

#include "model/Arten.h"

namespace quodral {

// True when one of the kind indexes (index1 or index3) holds the name.
bool istGeoObjekt(const std::string& wasn);

// Sets the visibility of the named object or collective:
//   - points, lines, rays, segments, circles, cones and cylinders: the record;
//   - a polygon: its corner points and the polygon;
//   - a polyhedron: each face as a polygon (the polyhedron's own record is not changed);
//   - allePunkte, alleGeraden, allePolygone, alleStrecken, alleStrahlen, alleKreise: every
//     object of that registry (polygons without their corners).
// On success quittung becomes "Die Darstellung des genannten Objekts wurde auf " + the
// visibility's text + " gesetzt.". A collective without a rule (alleKugeln, alleKlumpen) and
// a kind without a display option (plane, formula, sphere, cluster, vector) clear
// checkResultat with a sentence in mListe and change nothing; an unregistered name changes
// nothing silently. lok is false afterwards in every case: the calling statement decides on
// recording. True when a visibility was set.
bool visionSetzen(const std::string& name, darstellung vs);

// The prefix test: the name followed by "******" begins with the kuerzel, character for
// character, letter case included. So "P" fits P, P1 and Pol, and "P*" fits only P.
bool kuerzelPasst(const std::string& kuerzel, const std::string& name);

// Sets the visibility of every point and then every polygon whose name fits the kuerzel (a
// polygon's corners only when their own names fit). A kuerzel of more than six characters
// changes nothing. No answer, no message.
void kuerzelVisionSetzen(const std::string& kuerzel, darstellung vs);

// Of several fully visible points at (nearly) the same place, only the first in registry
// order keeps its label; the others are hidden.
void doppelbezeichnungenVerbergen();

}  // namespace quodral
