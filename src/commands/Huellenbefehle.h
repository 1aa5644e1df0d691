#pragma once
// The hull statements: HUELLE (also HÜLLE: the linear hull of points as a point, a line, a
// plane or the whole space), KHUELLE (also KHÜLLE: the convex hull of a point cluster as a
// polyhedron) and UMHUELLE (also UMHÜLLE: the edges of the convex hull of a point cluster as
// segments gathered in a new cluster). Their handlers defHuelle, kHuelle and umhuelle are
// declared with all the others in commands/Handler.h.

#include "commands/Handler.h"
