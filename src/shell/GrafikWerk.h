#pragma once
// The drawing view's painting thread.

#include <QImage>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "drawing/GeoGrafik.h"
#include "drawing/Sichtabbildung.h"
#include "shell/GrafikView.h"

namespace quodral {

// The view's painting thread: takes the newest request, draws the scene copy, and paints it
// unless it comes out as the drawing painted last. A picture in progress is finished and shown
// while newer requests come, so that a stream of changes faster than a picture shows a picture
// after each picture's time; the newest request is painted next, those between are skipped.
// Only a request of a new scene (Szenenabzug::folge: NEU, the restart, a replay) gives up the
// picture of the old one where it stands.
class GrafikView::Werk {
public:
    struct Auftrag {
        std::uint64_t nummer = 0;
        Szenenabzug szene;
        int pixel = static_cast<int>(fensterBreite);
        double pixelVerhaeltnis = 1.0;
    };

    explicit Werk(GrafikView* ansicht);
    ~Werk();

    // A request replaces the one still waiting, if any. One of a new scene makes the picture
    // being painted outdated: that one is given up where it stands.
    void auftragen(Auftrag a);

private:
    void laufen();

    GrafikView* ansicht_;
    std::mutex m_;
    std::condition_variable cv_;
    std::optional<Auftrag> wartend_;
    std::atomic<std::uint64_t> neuesteFolge_{0};   // the scene of the newest request
    bool ende_ = false;
    // Touched by the painting thread only.
    std::vector<Zeichenliste> letzte_, neue_;
    Szenenabzug letzteSzene_;
    int letztePixel_ = 0;
    bool gemalt_ = false;
    std::thread faden_;
};

}  // namespace quodral
