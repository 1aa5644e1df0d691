#include "shell/GrafikWerk.h"

#include <QMetaObject>

#include <functional>
#include <utility>

#include "shell/Malfaeden.h"
#include "shell/Streifenmaler.h"
#include "shell/Vektorzustand.h"

namespace quodral {

GrafikView::Werk::Werk(GrafikView* ansicht) : ansicht_(ansicht), faden_([this] { laufen(); }) {}

GrafikView::Werk::~Werk() {
    {
        std::lock_guard sperre(m_);
        ende_ = true;
    }
    cv_.notify_one();
    faden_.join();
}

void GrafikView::Werk::auftragen(Auftrag a) {
    {
        std::lock_guard sperre(m_);
        neuesteFolge_.store(a.szene.folge, std::memory_order_relaxed);
        wartend_ = std::move(a);
    }
    cv_.notify_one();
}

void GrafikView::Werk::laufen() {
    alsMalerLaufen();
    for (;;) {
        Auftrag a;
        {
            std::unique_lock sperre(m_);
            cv_.wait(sperre, [this] { return ende_ || wartend_.has_value(); });
            if (ende_) return;
            a = std::move(*wartend_);
            wartend_.reset();
        }
        // The picture before ended with Qt's fills (see Vektorzustand.h).
        vektorregisterBereinigen();
        // A request of a new scene makes this picture one of a scene that is gone (a restart,
        // a replay begun anew): it is given up, not finished, and the newer one is painted.
        const Veraltet veraltet = [this, folge = a.szene.folge] {
            return neuesteFolge_.load(std::memory_order_relaxed) != folge;
        };
        const Verteiler verteilenSolangeGewollt = [&veraltet](std::size_t anzahl,
                                                              const std::function<void(std::size_t)>& arbeit) {
            verteilen(anzahl, [&](std::size_t i) {
                if (!veraltet()) arbeit(i);
            });
        };
        QImage bild;
        // A scene taken the same as the one painted last gives the same drawing.
        if (!gemalt_ || a.pixel != letztePixel_ || !gleicheSzene(a.szene, letzteSzene_)) {
            // The drawing is made into the lists of the drawing before last, whose memory
            // is kept for it.
            szeneZeichnen(neue_, a.szene, verteilenSolangeGewollt);
            if (veraltet()) continue;
            if (!gemalt_ || a.pixel != letztePixel_ || !(neue_ == letzte_)) {
                bild = bildMalen(neue_, a.pixel, a.szene.stereo, a.szene.seite, veraltet);
                if (veraltet()) continue;
                bild.setDevicePixelRatio(a.pixelVerhaeltnis);
                std::swap(neue_, letzte_);
                letztePixel_ = a.pixel;
                gemalt_ = true;
            }
            letzteSzene_ = std::move(a.szene);
        }
        // Handed to the main thread; dropped there if the view has gone meanwhile.
        GrafikView* ansicht = ansicht_;
        QMetaObject::invokeMethod(
            ansicht, [ansicht, nummer = a.nummer, bild] { ansicht->bildAnnehmen(nummer, bild); },
            Qt::QueuedConnection);
    }
}

}  // namespace quodral
