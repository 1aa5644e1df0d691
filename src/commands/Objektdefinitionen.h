#pragma once
// The definitions of the objects built from named points and other objects: GERADE, STRAHL
// and STRECKE (from two points, or a point and a cluster), EBENE (from a circle or polygon,
// a point and a line, two lines or three points), KREIS (about a centre in a plane, or through
// three points), KUGEL (about a point or the points of a cluster, through a point, or through
// four points), and the clusters: KLUMPEN, MIT and OHNE. Their handlers defGerade, defStrahl,
// defStrecke, defEbene, defKreis, defKugel, defKlumpen, mit and ohne are declared with all the
// others in commands/Handler.h.

#include "commands/Handler.h"
