#include "shell/Hauptzeile.h"

#include <algorithm>

#include "drawing/Sichtabbildung.h"
#include "shell/GrafikView.h"
#include "shell/GrafikWidget.h"

namespace quodral {

namespace {

// The width the command area asks for when the window opens; a window made wider gives the
// command area what the drawing does not take.
constexpr int befehlsBreite = 500;

}  // namespace

Hauptzeile::Hauptzeile(QWidget* eltern, QWidget* befehle, GrafikWidget* grafik) : QLayout(eltern), grafik_(grafik) {
    addWidget(befehle);
    addWidget(grafik);
}

Hauptzeile::~Hauptzeile() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void Hauptzeile::addItem(QLayoutItem* item) { items_.append(item); }

int Hauptzeile::count() const { return static_cast<int>(items_.size()); }

QLayoutItem* Hauptzeile::itemAt(int i) const { return items_.value(i); }

QLayoutItem* Hauptzeile::takeAt(int i) { return i >= 0 && i < items_.size() ? items_.takeAt(i) : nullptr; }

Qt::Orientations Hauptzeile::expandingDirections() const { return Qt::Horizontal | Qt::Vertical; }

QSize Hauptzeile::minimumSize() const {
    if (items_.size() < 2) return {};
    const QSize befehle = items_[0]->minimumSize(), grafik = items_[1]->minimumSize();
    return mitRand({befehle.width() + abstand() + std::max(grafik.width(), GrafikView::kleinsteSeite),
                    std::max(befehle.height(), grafik.height())});
}

QSize Hauptzeile::sizeHint() const {
    if (items_.size() < 2) return {};
    const QSize befehle = items_[0]->sizeHint(), grafik = items_[1]->sizeHint();
    const int seite = static_cast<int>(fensterBreite);
    return mitRand({std::max(befehle.width(), befehlsBreite) + abstand() + std::max(grafik.width(), seite),
                    std::max(befehle.height(), seite + grafik_->steuerHoehe())});
}

void Hauptzeile::setGeometry(const QRect& r) {
    QLayout::setGeometry(r);
    if (items_.size() < 2) return;
    const QRect f = contentsRect();
    const int befehleMin = items_[0]->minimumSize().width();
    const int grafikMin = items_[1]->minimumSize().width();
    const int unten = grafik_->steuerHoehe();
    const int frei = f.width() - abstand() - befehleMin;
    const int seite = std::max(GrafikView::kleinsteSeite, std::min(f.height() - unten, frei));
    const int breite = std::max(grafikMin, std::min(std::max(seite, grafikMin), frei));
    items_[0]->setGeometry(QRect(f.x(), f.y(), f.width() - abstand() - breite, f.height()));
    items_[1]->setGeometry(QRect(f.right() + 1 - breite, f.y(), breite, std::min(f.height(), seite + unten)));
}

int Hauptzeile::abstand() const { return std::max(0, spacing()); }

QSize Hauptzeile::mitRand(QSize innen) const { return innen.grownBy(contentsMargins()); }

}  // namespace quodral
