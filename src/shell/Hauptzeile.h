#pragma once
// The layout of the main window's contents.

#include <QLayout>
#include <QList>

namespace quodral {

class GrafikWidget;

// The window's main row: the command area on the left, the drawing with its controls on the
// right. The drawing is the largest square that the window's height leaves above the drawing's
// controls and its width leaves beside the command area at its smallest; the command area takes
// the rest of the width. Where the square is narrower than the controls beneath it, it stands
// in the middle above them; the room below the controls stays empty.
class Hauptzeile : public QLayout {
public:
    Hauptzeile(QWidget* eltern, QWidget* befehle, GrafikWidget* grafik);
    ~Hauptzeile() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int i) const override;
    QLayoutItem* takeAt(int i) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& r) override;

private:
    int abstand() const;
    QSize mitRand(QSize innen) const;

    QList<QLayoutItem*> items_;
    GrafikWidget* grafik_;
};

}  // namespace quodral
