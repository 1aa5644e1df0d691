#include "shell/Tafelrollbalken.h"

#include <QStyle>
#include <QStyleOptionSlider>

#include <cstddef>

namespace quodral {

void Tafelrollbalken::sliderChange(SliderChange) {
    // The changes of one event (the range, then the value) are looked at once, when they are
    // all done; a bar gone by then drops the look.
    if (pruefungAnstehend_) return;
    pruefungAnstehend_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            pruefungAnstehend_ = false;
            if (!gemalt_ || !(*gemalt_ == aussehen())) update();
        },
        Qt::QueuedConnection);
}

void Tafelrollbalken::paintEvent(QPaintEvent* ereignis) {
    gemalt_ = aussehen();
    QScrollBar::paintEvent(ereignis);
}

Tafelrollbalken::Aussehen Tafelrollbalken::aussehen() const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    Aussehen a;
    const QStyle::SubControl teile[] = {QStyle::SC_ScrollBarSlider,  QStyle::SC_ScrollBarGroove,
                                        QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine,
                                        QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSubPage};
    for (std::size_t i = 0; i < a.teile.size(); ++i)
        a.teile[i] = style()->subControlRect(QStyle::CC_ScrollBar, &opt, teile[i], this);
    a.zustand = static_cast<int>(opt.state);
    a.aktiveTeile = static_cast<int>(opt.activeSubControls);
    a.amAnfang = opt.sliderValue == opt.minimum;
    a.amEnde = opt.sliderValue == opt.maximum;
    return a;
}

}  // namespace quodral
