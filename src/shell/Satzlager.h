#pragma once
// The store of label layouts that the drawing view's painting threads share.

#include <QList>
#include <QPointF>
#include <QtGlobal>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <shared_mutex>
#include <string>
#include <utility>

namespace quodral {

// A text laid out as the painter lays it out when it writes it: its glyphs and their places
// along the baseline, or nothing where the text needs another font than the label font.
// Laying out a text costs more than painting its glyphs, and a label is written anew in every
// picture, often by another thread: the layouts are kept for all threads, as plain numbers.
struct Satz {
    std::optional<std::pair<QList<quint32>, QList<QPointF>>> glyphen;
};

// The layouts by label size and text. The painting threads read it at once; a strip adds what it
// laid out itself when it is done.
// The layouts by label size and text. The painting threads read it while they paint; a strip
// adds what it laid out itself when it is done.
class Satzlager {
public:
    using Saetze = std::map<std::string, std::shared_ptr<const Satz>, std::less<>>;

    std::shared_mutex m;
    std::map<double, Saetze> nachGroesse;

    // Texts kept at most; beyond that the store starts anew.
    static constexpr std::size_t hoechstens = 100000;
    std::size_t anzahl = 0;
};

// The one store of the program; it lives as long as the program.
Satzlager& satzlager();

}  // namespace quodral
