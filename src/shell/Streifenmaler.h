#pragma once
// The drawing view's picture of a drawing, painted in horizontal strips on all cores, and the
// font its labels are written in.

#include <QFont>
#include <QImage>

#include <functional>
#include <vector>

#include "drawing/Leinwand.h"

namespace quodral {

// The label font: Palatino where the system has it, otherwise the metric twin P052 of the
// URW base fonts (fontconfig also maps "Palatino" onto it), otherwise any serif.
QFont beschriftungsSchrift(double groesse);

// True once the picture being made is no longer wanted: its scene is gone. The work on it then
// stops where it stands.
using Veraltet = std::function<bool()>;

// The picture of a drawing of an area of side `seite` (view units) at `pixel` × `pixel` image
// pixels, painted in strips by the painting threads, each strip into its own rows of the
// image. Every pixel is opaque (the ground is white, and painting over an opaque ground keeps
// it opaque), so the picture is handed on as an opaque image, which the view shows without
// blending. Once `veraltet` says so, the picture is left unfinished.
QImage bildMalen(const std::vector<Zeichenliste>& liste, int pixel, bool stereo, double seite,
                 const Veraltet& veraltet = {});

}  // namespace quodral
