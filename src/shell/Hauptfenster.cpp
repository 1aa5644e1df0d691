#include "shell/Hauptfenster.h"

#include <QAbstractButton>
#include <cstdio>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressDialog>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStaticText>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>
#include <QHash>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableView>
#include <QTranslator>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "drawing/Sichtabbildung.h"
#include "interpreter/Dateioperationen.h"
#include "model/Objekte.h"
#include "shell/Antwortfeld.h"
#include "shell/GrafikView.h"
#include "shell/GrafikWidget.h"
#include "shell/Vektorzustand.h"

// The alert icon lives in the shell's resources, which a static library must register itself.
static void ressourcenEinbinden() { Q_INIT_RESOURCE(Quodral); }

namespace quodral {

namespace {

// The width the command area asks for when the window opens; a window made wider gives the
// command area what the drawing does not take.
constexpr int befehlsBreite = 500;

// Room a window manager's frame and title bar take around the window, left free when the
// window opens.
constexpr int rahmenBreite = 20;
constexpr int rahmenHoehe = 50;

// The output and the statement table share the height of the command area that its other
// controls leave; at the window's smallest size, which fits a screen of 683 × 384 window pixels
// (1366 × 768 at twice the scale), they shrink to this.
constexpr int kleinsteTextHoehe = 60;

// The margin around the window's contents.
constexpr int fensterRand = 6;

QString q(const std::string& text) { return QString::fromStdString(text); }

const QString dateiFilter = "Quodral-Anweisungslisten (*.qdl)";

// Qt's own file dialog (the same on every desktop, and German once Qt's translations are
// installed). The labels that matter most are given in German here too, for a system without
// Qt's translations; it opens wide enough to show a file's size, kind and date uncut.
void dateiDialogEinrichten(QFileDialog& dialog, const QString& ordner) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, "Suchen in:");
    dialog.setLabelText(QFileDialog::FileName, "Dateiname:");
    dialog.setLabelText(QFileDialog::FileType, "Dateityp:");
    dialog.setLabelText(QFileDialog::Reject, "Abbrechen");
    dialog.setNameFilter(dateiFilter);
    dialog.setDirectory(ordner);
    dialog.resize(std::max(dialog.width(), 800), std::max(dialog.height(), 480));
    if (auto* liste = dialog.findChild<QTreeView*>("treeView")) {
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

// Work done once the changes of the current event are over: requests made meanwhile are one
// run. Held by the object it works on, whose end drops a run still queued.
class EinmalNachher {
public:
    template <class Arbeit>
    void anfordern(QObject* ziel, Arbeit arbeit) {
        if (anstehend_) return;
        anstehend_ = true;
        QMetaObject::invokeMethod(
            ziel,
            [this, arbeit] {
                anstehend_ = false;
                arbeit();
            },
            Qt::QueuedConnection);
    }

private:
    bool anstehend_ = false;
};

// The statement table's scroll bar. A statement recorded at the end of the list widens the
// bar's range and then moves it to the new end, yet the bar mostly looks as it did: the handle
// at the bottom, its size the same to the pixel. So the bar looks at itself once the changes
// of an event are done, and is painted again only when any part of it, or its state, changed.
class Tafelrollbalken : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange) override {
        pruefung_.anfordern(this, [this] {
            if (!gemalt_ || !(*gemalt_ == aussehen())) update();
        });
    }

    void paintEvent(QPaintEvent* ereignis) override {
        gemalt_ = aussehen();
        QScrollBar::paintEvent(ereignis);
    }

private:
    // What the painted bar shows: the places of its parts, its state, and whether it stands at
    // either end (an arrow that can no longer move looks different).
    struct Aussehen {
        std::array<QRect, 6> teile;
        int zustand = 0;
        int aktiveTeile = 0;
        bool amAnfang = false, amEnde = false;
        bool operator==(const Aussehen&) const = default;
    };

    Aussehen aussehen() const {
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

    std::optional<Aussehen> gemalt_;   // as the bar was painted last
    EinmalNachher pruefung_;
};

// The rows of the statement table, painted as the style's own delegate paints them but with
// the laid out text of each row kept: a statement appended scrolls every visible row, and
// shaping the text of each row anew took most of the time the window needed after a statement.
// The style paints the row's ground; the kept text is drawn on it in the colour, margin and
// alignment the style gives a row's text. A row that is selected or current, or whose text does
// not fit on one line (the style wraps it), is left to the style's delegate as a whole.
class Zeilendelegat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* w = opt.widget;
        QStyle* stil = w != nullptr ? w->style() : QApplication::style();
        if (opt.text.isEmpty() || (opt.state & (QStyle::State_Selected | QStyle::State_HasFocus))) {
            QStyledItemDelegate::paint(maler, option, index);
            return;
        }
        // The rectangle the style gives the text, found as the style finds it, but from the
        // size of the kept text: the style would lay the text out to measure it. The area for
        // the text is asked of the style for a row without text.
        const QStaticText& gesetzt = gesetzterText(opt.text, opt.font);
        const QSizeF groesse = gesetzt.size();
        const int rand = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
        opt.text.clear();
        QStyleOptionViewItem ohneText = opt;
        ohneText.showDecorationSelected = true;
        const QRect flaeche = stil->subElementRect(QStyle::SE_ItemViewItemText, &ohneText, w);
        const QSize platz(static_cast<int>(std::ceil(groesse.width())) + 2 * rand,
                          static_cast<int>(std::ceil(groesse.height())));
        const QRect textfeld = opt.showDecorationSelected
                                   ? flaeche
                                   : QStyle::alignedRect(opt.direction, opt.displayAlignment,
                                                         platz.boundedTo(flaeche.size()), flaeche);
        const QRect feld = textfeld.adjusted(rand, 0, -rand, 0);
        if (groesse.width() > feld.width() || groesse.height() > feld.height()) {
            QStyledItemDelegate::paint(maler, option, index);
            return;
        }
        stil->drawControl(QStyle::CE_ItemViewItem, &opt, maler, w);
        QPalette::ColorGroup gruppe = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        if (gruppe == QPalette::Normal && !(opt.state & QStyle::State_Active)) gruppe = QPalette::Inactive;
        const QRect ort = QStyle::alignedRect(opt.direction, opt.displayAlignment, groesse.toSize(), feld);
        maler->save();
        maler->setFont(opt.font);
        maler->setPen(opt.palette.color(gruppe, QPalette::Text));
        maler->drawStaticText(ort.topLeft(), gesetzt);
        maler->restore();
    }

private:
    // The text of a row laid out on one line. A few hundred rows are kept, more than any view
    // shows at once.
    const QStaticText& gesetzterText(const QString& text, const QFont& schrift) const {
        // The font's key is a long text built anew at each call; it is taken once per font.
        if (schriftSchluessel_.isEmpty() || !(schrift == letzteSchrift_) ||
            schrift.resolveMask() != letzteSchrift_.resolveMask()) {
            letzteSchrift_ = schrift;
            schriftSchluessel_ = schrift.key() + QChar(0x1f);
        }
        const QString schluessel = schriftSchluessel_ + text;
        if (const auto it = gesetzt_.constFind(schluessel); it != gesetzt_.cend()) return *it;
        if (gesetzt_.size() >= 512) gesetzt_.clear();
        QStaticText neu(text);
        neu.setTextFormat(Qt::PlainText);
        neu.prepare(QTransform(), schrift);
        return *gesetzt_.insert(schluessel, neu);
    }

    mutable QHash<QString, QStaticText> gesetzt_;
    mutable QFont letzteSchrift_;        // the font of the last row laid out
    mutable QString schriftSchluessel_;  // its key, with the separator
};

// The statement table. A statement recorded at the end of the list adds a row; Qt's table then
// lays itself out anew and paints all its visible rows again, although only the room of the
// new rows changed (the scroll that brings them into view moves the rows that are painted
// already). Here rows added at the end have the table's scroll range brought up to date and
// only the room from the first new row down painted again; rows removed, and everything else
// that lays the table out, go Qt's own way.
class Anweisungstafel : public QTableView {
public:
    explicit Anweisungstafel(QWidget* eltern) : QTableView(eltern) {}

    // Takes over from Qt's handling the change of the number of rows; where Qt's handling is
    // not found where it is expected (another Qt), it stays as it is.
    void zeilenzahlUebernehmen() {
        QHeaderView* kopf = verticalHeader();
        if (QObject::disconnect(kopf, SIGNAL(sectionCountChanged(int,int)), this, SLOT(rowCountChanged(int,int))))
            connect(kopf, &QHeaderView::sectionCountChanged, this,
                    [this](int vorher, int nachher) { zeilenzahlGeaendert(vorher, nachher); });
    }

protected:
    void scrollContentsBy(int dx, int dy) override {
        // The painted rows move by as much as the rows' offset changes; the offset is set
        // anew from the scroll bar.
        const int vorher = verticalHeader()->offset();
        QTableView::scrollContentsBy(dx, dy);
        inhaltVersatz_ += verticalHeader()->offset() - vorher;
        versatzVerschoben_ = false;
    }

private:
    void zeilenzahlGeaendert(int vorher, int nachher) {
        if (nachher < vorher || !isVisible()) {
            rowCountChanged(vorher, nachher);
            return;
        }
        // The scroll bar's range and the header's size, as Qt's layout sets them. The rows'
        // offset may change with them while the scroll bar stands still (at the end of the
        // range the last row lies at the bottom, elsewhere the first one at the top). The rows
        // stay where they are painted until the event is done: the statement's scroll to the
        // new end, which follows, sets the offset anew and moves the painted rows once.
        inhaltVersatz_ = verticalHeader()->offset();
        updateGeometries();
        if (verticalHeader()->offset() != inhaltVersatz_) {
            verticalHeader()->setOffset(inhaltVersatz_);
            versatzVerschoben_ = true;
        }
        // The room to paint is marked once the changes of the event are done: a scroll that
        // brings the new rows into view comes after this, and moves the painted rows but not
        // the room already marked for painting.
        ersteNeueZeile_ = ersteNeueZeile_ ? std::min(*ersteNeueZeile_, vorher) : vorher;
        markierung_.anfordern(this, [this] {
            const int zeile = ersteNeueZeile_.value_or(0);
            ersteNeueZeile_.reset();
            // Without such a scroll the offset is set as Qt's layout sets it, and the
            // painted rows moved with it.
            if (versatzVerschoben_) {
                versatzVerschoben_ = false;
                updateGeometries();
                const int versatz = verticalHeader()->offset();
                if (versatz != inhaltVersatz_) {
                    viewport()->scroll(0, inhaltVersatz_ - versatz);
                    inhaltVersatz_ = versatz;
                }
            }
            // Where the rows' offset moved without moving the painted rows, or the row is
            // no longer there, the whole table is painted.
            int oben = 0;
            if (verticalHeader()->offset() == inhaltVersatz_ && zeile < model()->rowCount())
                oben = std::max(0, rowViewportPosition(zeile));
            if (oben < viewport()->height())
                viewport()->update(0, oben, viewport()->width(), viewport()->height() - oben);
        });
    }

    std::optional<int> ersteNeueZeile_;   // the first row added since the room was last marked
    EinmalNachher markierung_;
    int inhaltVersatz_ = 0;               // the rows' offset at which the painted rows stand
    bool versatzVerschoben_ = false;      // the offset held back where the rows are painted
};

// The window's main row: the command area on the left, the drawing with its controls on the
// right. The drawing is the largest square that the window's height leaves above the drawing's
// controls and its width leaves beside the command area at its smallest; the command area takes
// the rest of the width. Where the square is narrower than the controls beneath it, it stands
// in the middle above them; the room below the controls stays empty.
class Hauptzeile : public QLayout {
public:
    Hauptzeile(QWidget* eltern, QWidget* befehle, GrafikWidget* grafik) : QLayout(eltern), grafik_(grafik) {
        addWidget(befehle);
        addWidget(grafik);
    }
    ~Hauptzeile() override {
        while (QLayoutItem* item = takeAt(0)) delete item;
    }

    void addItem(QLayoutItem* item) override { items_.append(item); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int i) const override { return items_.value(i); }
    QLayoutItem* takeAt(int i) override { return i >= 0 && i < items_.size() ? items_.takeAt(i) : nullptr; }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }

    QSize minimumSize() const override {
        if (items_.size() < 2) return {};
        const QSize befehle = items_[0]->minimumSize(), grafik = items_[1]->minimumSize();
        return mitRand({befehle.width() + abstand() + std::max(grafik.width(), GrafikView::kleinsteSeite),
                        std::max(befehle.height(), grafik.height())});
    }

    QSize sizeHint() const override {
        if (items_.size() < 2) return {};
        const QSize befehle = items_[0]->sizeHint(), grafik = items_[1]->sizeHint();
        const int seite = static_cast<int>(fensterBreite);
        return mitRand({std::max(befehle.width(), befehlsBreite) + abstand() + std::max(grafik.width(), seite),
                        std::max(befehle.height(), seite + grafik_->steuerHoehe())});
    }

    void setGeometry(const QRect& r) override {
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

private:
    int abstand() const { return std::max(0, spacing()); }
    QSize mitRand(QSize innen) const { return innen.grownBy(contentsMargins()); }

    QList<QLayoutItem*> items_;
    GrafikWidget* grafik_;
};

// The style of the input line: the application's, with the line's ground and frame painted
// once per size and state and then copied. The input line is painted anew after every
// statement (it is emptied), and the style's rounded, smoothed frame cost more than all else
// that the line paints.
class Eingabestil : public QProxyStyle {
public:
    Eingabestil() : QProxyStyle(QApplication::style()->name()) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                       const QWidget* widget) const override {
        const auto* rahmen = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (element != PE_PanelLineEdit || rahmen == nullptr || maler->device() == nullptr) {
            QProxyStyle::drawPrimitive(element, option, maler, widget);
            return;
        }
        const qreal verhaeltnis = maler->device()->devicePixelRatioF();
        const Schluessel schluessel{option->rect.size(),         static_cast<int>(option->state),
                                    rahmen->lineWidth,           option->palette.cacheKey(),
                                    verhaeltnis,                 static_cast<int>(option->direction)};
        if (!(schluessel == schluessel_)) {
            QPixmap bild((QSizeF(option->rect.size()) * verhaeltnis).toSize());
            bild.setDevicePixelRatio(verhaeltnis);
            bild.fill(Qt::transparent);
            QPainter p(&bild);
            QStyleOptionFrame kopie(*rahmen);
            kopie.rect = QRect(QPoint(0, 0), option->rect.size());
            QProxyStyle::drawPrimitive(element, &kopie, &p, widget);
            p.end();
            bild_ = bild;
            schluessel_ = schluessel;
        }
        maler->drawPixmap(option->rect.topLeft(), bild_);
    }

private:
    // What the painted ground depends on.
    struct Schluessel {
        QSize groesse;
        int zustand = -1;
        int linienbreite = 0;
        qint64 palette = 0;
        qreal verhaeltnis = 0;
        int richtung = 0;
        bool operator==(const Schluessel&) const = default;
    };
    mutable Schluessel schluessel_;
    mutable QPixmap bild_;
};

}  // namespace

bool qtAufDeutsch(QCoreApplication& anwendung) {
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto* uebersetzung = new QTranslator(&anwendung);
    if (!uebersetzung->load(deutsch, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    anwendung.installTranslator(uebersetzung);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The statement table's model

AnweisungsModell::AnweisungsModell(QObject* parent)
    : QAbstractTableModel(parent), zeilen_(anweisungsListe), gelesen_(anweisungsListe.stand()) {}

int AnweisungsModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int AnweisungsModell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant AnweisungsModell::data(const QModelIndex& index, int role) const {
    // The tooltip shows the whole statement, which the narrow column cuts off when it is long.
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    // A row replaced in the table is stored as typed; it is shown at once in the form that the
    // other rows have and in which the next replay runs it.
    const int zeile = index.row();
    if (zeile < 0 || zeile >= rowCount()) return QString();
    return q(zellenText(zeile, zeilen_[static_cast<std::size_t>(zeile)]));
}

QVariant AnweisungsModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0) return QString("Anweisungsliste");
    return {};
}

void AnweisungsModell::neuLaden() {
    const std::vector<std::string>& liste = anweisungsListe;
    // The rows both have in common that are still the same: all of them, as a rule. The list's
    // log tells how many lines at its start are untouched since the rows were read; only the
    // lines after them are compared.
    const std::size_t gemeinsam = std::min(zeilen_.size(), liste.size());
    const std::size_t unberuehrt = std::min(gemeinsam, anweisungsListe.gleichBisSeit(gelesen_));
    gelesen_ = anweisungsListe.stand();
    const auto ab = static_cast<std::ptrdiff_t>(unberuehrt);
    const bool gleich = std::equal(zeilen_.begin() + ab, zeilen_.begin() + static_cast<std::ptrdiff_t>(gemeinsam),
                                   liste.begin() + ab);
    if (gleich && liste.size() > zeilen_.size()) {
        beginInsertRows({}, static_cast<int>(zeilen_.size()), static_cast<int>(liste.size()) - 1);
        zeilen_.insert(zeilen_.end(), liste.begin() + static_cast<std::ptrdiff_t>(zeilen_.size()), liste.end());
        endInsertRows();
    } else if (gleich && liste.size() < zeilen_.size()) {
        beginRemoveRows({}, static_cast<int>(liste.size()), static_cast<int>(zeilen_.size()) - 1);
        zeilen_.resize(liste.size());
        endRemoveRows();
    } else if (!gleich) {
        beginResetModel();
        zeilen_ = liste;
        endResetModel();
    }
}

// ---------------------------------------------------------------------------------------------
// The window

Hauptfenster::Hauptfenster(QWidget* parent)
    : QMainWindow(parent), steuerung_(*this), dialogOrdner_(QDir::homePath()) {
    ressourcenEinbinden();
    // A title and a minimise button, but no close box and no maximise button: the program
    // ends only through the quit question.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint);

    // The menu first: the drawing view is sized for the height that remains.
    menueAnlegen();

    auto* mitte = new QWidget(this);
    auto* befehle = new QWidget(mitte);
    // The drawing view with its controls beside the command area.
    auto* grafik = new GrafikWidget(mitte);
    grafik_ = grafik;
    auto* zeile = new Hauptzeile(mitte, befehle, grafik);
    zeile->setContentsMargins(fensterRand, fensterRand, fensterRand, fensterRand);
    auto* spalte = new QVBoxLayout(befehle);
    spalte->setContentsMargins(0, 0, 0, 0);
    // The command area's texts (input line, answer, statement rows) are laid out anew after
    // every statement. Latin, Greek and the like are set straight from the font's character
    // map, without the shaping engine's lookups and kerning, which cost more than all else in
    // laying out a line; scripts that need shaping to be legible are shaped all the same.
    {
        QFont schrift = befehle->font();
        schrift.setStyleStrategy(QFont::PreferNoShaping);
        schrift.setKerning(false);
        befehle->setFont(schrift);
    }

    auto beschriftung = [befehle](const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), befehle);
        l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return l;
    };
    spalte->addWidget(beschriftung("Eingabe"));
    eingabe_ = new QLineEdit(befehle);
    eingabe_->setObjectName("eingabe");
    // A widget does not own its style: this one goes with the line.
    auto* eingabeStil = new Eingabestil;
    eingabeStil->setParent(eingabe_);
    eingabe_->setStyle(eingabeStil);
    eingabe_->setToolTip("Eine Anweisung eingeben und mit der Eingabetaste ausführen; "
                         "? WORT erklärt ein Schlüsselwort, HILFE listet alle auf.");
    spalte->addWidget(eingabe_);

    spalte->addWidget(beschriftung("Ausgabe"));
    ausgabe_ = new Antwortfeld(befehle);
    ausgabe_->setObjectName("ausgabe");
    ausgabe_->setMinimumHeight(kleinsteTextHoehe);
    spalte->addWidget(ausgabe_, 1);

    modell_ = new AnweisungsModell(this);
    auto* tafel = new Anweisungstafel(befehle);
    tafel_ = tafel;
    tafel_->setObjectName("tafel");
    tafel_->setModel(modell_);
    tafel->zeilenzahlUebernehmen();
    tafel_->setItemDelegate(new Zeilendelegat(tafel_));
    tafel_->setVerticalScrollBar(new Tafelrollbalken(Qt::Vertical, tafel_));
    tafel_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tafel_->setSelectionMode(QAbstractItemView::SingleSelection);
    tafel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tafel_->horizontalHeader()->setStretchLastSection(true);
    tafel_->verticalHeader()->hide();
    tafel_->setMinimumHeight(kleinsteTextHoehe);
    // A click selects a row without taking the keyboard: the selected statement is edited in
    // the input line, and letters typed into the table would select other rows behind the
    // user's back. Tab reaches the table and leaves it again: it does not walk its rows, which
    // would select each row it passes and put it into the input line.
    tafel_->setFocusPolicy(Qt::TabFocus);
    tafel_->setTabKeyNavigation(false);
    spalte->addWidget(tafel_, 1);

    // The edit buttons of the selected row keep their place while hidden, so that nothing
    // jumps when a row is selected.
    editGruppe_ = new QWidget(befehle);
    editGruppe_->setObjectName("editKnoepfe");
    auto* editZeile = new QHBoxLayout(editGruppe_);
    editZeile->setContentsMargins(0, 0, 0, 0);
    QSizePolicy politik = editGruppe_->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    politik.setVerticalPolicy(QSizePolicy::Fixed);
    editGruppe_->setSizePolicy(politik);
    spalte->addWidget(editGruppe_);

    auto* knoepfe = new QGridLayout();
    spalte->addLayout(knoepfe);

    auto knopf = [this](QWidget* eltern, const char* titel, const char* name, const QString& tipp) {
        auto* k = new QPushButton(QString::fromUtf8(titel), eltern);
        k->setObjectName(name);
        k->setAutoDefault(false);
        // A click leaves the keyboard where the user types: a button holding the focus would
        // be pressed again by every blank of the next statement (the undo button thus deleting
        // one statement per blank).
        k->setFocusPolicy(Qt::TabFocus);
        // The menu's action of the same name, so that button, menu and shortcut do one thing.
        if (auto* aktion = findChild<QAction*>(name)) {
            const QString kuerzel = aktion->shortcut().toString(QKeySequence::NativeText);
            k->setToolTip(kuerzel.isEmpty() ? aktion->toolTip() : aktion->toolTip() + " (" + kuerzel + ")");
            connect(k, &QPushButton::clicked, aktion, &QAction::trigger);
        } else {
            k->setToolTip(tipp);
        }
        return k;
    };
    auto* ersetzen = knopf(editGruppe_, "Ersetzen", "editB",
                           "Ersetzt die ausgewählte Zeile der Liste durch den Text der Eingabezeile.");
    connect(ersetzen, &QPushButton::clicked, this, [this] {
        ausfuehren([this] { steuerung_.editB(); });
        eingabeUebernommen();
    });
    auto* loeschen =
        knopf(editGruppe_, "Löschen", "loeschB", "Löscht nach einer Rückfrage die ausgewählte Zeile der Liste.");
    connect(loeschen, &QPushButton::clicked, this, [this] { ausfuehren([this] { steuerung_.loeschB(); }); });
    editZeile->addWidget(ersetzen);
    editZeile->addWidget(loeschen);
    editZeile->addStretch();

    knoepfe->addWidget(knopf(befehle, "Liste ausführen", "execB", {}), 0, 0);
    knoepfe->addWidget(knopf(befehle, "Letzten Schritt löschen", "letztenSchrittLoeschen", {}), 0, 1);
    knoepfe->addWidget(knopf(befehle, "Hilfe", "help", {}), 0, 2);
    knoepfe->addWidget(knopf(befehle, "Sichern", "btnFileSave", {}), 1, 0);
    knoepfe->addWidget(knopf(befehle, "Laden", "LadeB", {}), 1, 1);
    knoepfe->addWidget(knopf(befehle, "Letzte Antwort", "SpeicherB", {}), 1, 2);
    knoepfe->addWidget(knopf(befehle, "Neustart", "neustart", {}), 2, 0);
    knoepfe->addWidget(knopf(befehle, "Beenden", "quitB", {}), 2, 2);

    setCentralWidget(mitte);
    groesseWaehlen();

    // The statement stays in the input line, selected, so that the next one simply replaces it
    // and Return alone repeats it.
    connect(eingabe_, &QLineEdit::returnPressed, this, [this] {
        const int zeilenVorher = modell_->rowCount();
        ausfuehren([this] { steuerung_.aktionB(); });
        eingabeUebernommen();
        eingabe_->selectAll();
        // The statement just recorded comes into view at the end of a long list.
        if (modell_->rowCount() > zeilenVorher) tafel_->scrollToBottom();
    });
    connect(tafel_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { auswahlGeaendert(); });

    // Ctrl+Z undoes the typing in a text field while there is typing to undo there, and the
    // last step of the list otherwise (see eventFilter).
    for (QLineEdit* feld : findChildren<QLineEdit*>()) feld->installEventFilter(this);
    tabReihenfolgeSetzen();

    steuerung_.fensterGeladen();
    titelAktualisieren();
    eingabe_->setFocus();
}

QAction* Hauptfenster::aktionAnlegen(const QString& name, const QString& titel, const QList<QKeySequence>& kuerzel,
                                     void (ViewController::*was)()) {
    auto* aktion = new QAction(titel, this);
    aktion->setObjectName(name);
    aktion->setShortcuts(kuerzel);
    connect(aktion, &QAction::triggered, this, [this, was] { ausfuehren([this, was] { (steuerung_.*was)(); }); });
    return aktion;
}

void Hauptfenster::menueAnlegen() {
    // The desktop's own keys for an action where it has them, else the usual key: a desktop
    // without key conventions of its own has no key for quitting.
    const auto ueblich = [](QKeySequence::StandardKey art, const QKeySequence& sonst) {
        QList<QKeySequence> folgen = QKeySequence::keyBindings(art);
        if (folgen.isEmpty()) folgen << sonst;
        return folgen;
    };
    struct Eintrag {
        const char* name;
        const char* titel;
        QList<QKeySequence> kuerzel;
        void (ViewController::*was)();
        const char* tipp;
    };
    const auto anlegen = [this](QMenu* menue, const Eintrag& e) {
        QAction* aktion = aktionAnlegen(e.name, QString::fromUtf8(e.titel), e.kuerzel, e.was);
        aktion->setToolTip(QString::fromUtf8(e.tipp));
        menue->addAction(aktion);
    };

    QMenu* datei = menuBar()->addMenu("&Datei");
    anlegen(datei, {"btnFileSave", "&Sichern …", ueblich(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)),
                    &ViewController::btnFileSave, "Sichert die Anweisungsliste in einer .qdl-Datei."});
    anlegen(datei, {"LadeB", "&Laden …", ueblich(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)),
                    &ViewController::LadeB, "Lädt eine Anweisungsliste aus einer .qdl-Datei, ohne sie auszuführen."});
    datei->addSeparator();
    anlegen(datei, {"neustart", "&Neustart …", {}, &ViewController::neustart,
                    "Löscht nach einer Rückfrage alle Objekte und die Anweisungsliste."});
    datei->addSeparator();
    anlegen(datei, {"quitB", "&Beenden …", ueblich(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)),
                    &ViewController::quitB,
                    "Beendet Quodral nach einer Rückfrage; nicht gesicherte Daten gehen verloren."});

    QMenu* bearbeiten = menuBar()->addMenu("&Bearbeiten");
    anlegen(bearbeiten,
            {"letztenSchrittLoeschen", "Letzten Schritt &löschen",
             ueblich(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)), &ViewController::letztenSchrittLoeschen,
             "Entfernt die letzte Anweisung der Liste und baut die Zeichnung aus den übrigen neu auf."});
    anlegen(bearbeiten, {"execB", "Liste &ausführen", {QKeySequence(Qt::CTRL | Qt::Key_R)}, &ViewController::execB,
                         "Führt die ganze Anweisungsliste von vorn noch einmal aus. Die Anweisung in der "
                         "Eingabezeile führt die Eingabetaste aus."});
    anlegen(bearbeiten, {"SpeicherB", "Letzte Ant&wort", {}, &ViewController::SpeicherB,
                         "Zeigt die Antwort auf die letzte Anweisung noch einmal."});

    QMenu* hilfe = menuBar()->addMenu("&Hilfe");
    anlegen(hilfe, {"help", "&Hilfe", ueblich(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)),
                    &ViewController::help,
                    "Zeigt die Übersicht aller Schlüsselwörter; ? WORT in der Eingabezeile erklärt eines."});
}

void Hauptfenster::groesseWaehlen() {
    // The size the window asks for (an 800 × 800 drawing beside the command area), where the
    // screen it opens on has room for it with the window manager's frame; otherwise as much as
    // the room allows, and never below the smallest size of its contents. It opens in the
    // middle of that room.
    const QScreen* bildschirm = screen();
    if (bildschirm == nullptr) return;
    const QRect frei = bildschirm->availableGeometry();
    const QSize groesse =
        sizeHint().boundedTo(frei.size() - QSize(rahmenBreite, rahmenHoehe)).expandedTo(minimumSizeHint());
    resize(groesse);
    move(frei.x() + std::max(0, (frei.width() - groesse.width() - rahmenBreite) / 2),
         frei.y() + std::max(0, (frei.height() - groesse.height() - rahmenHoehe) / 2));
}

void Hauptfenster::tabReihenfolgeSetzen() {
    // The input line, the table, the edit buttons, the window's buttons row by row, then the
    // drawing view's name field, colour pop-up and buttons, and round again.
    QList<QWidget*> reihe{eingabe_, tafel_};
    for (const char* name : {"editB", "loeschB", "execB", "letztenSchrittLoeschen", "help", "btnFileSave", "LadeB",
                             "SpeicherB", "neustart", "quitB"})
        if (auto* k = findChild<QPushButton*>(name)) reihe << k;
    if (auto* grafik = findChild<GrafikWidget*>()) {
        reihe << grafik->suchFeld() << grafik->farbWahlB();
        for (const char* name : {"dismiss", "woIst", "entDoppeln", "punkteFang", "fontUpDown", "linieUpDown"})
            if (auto* k = grafik->findChild<QPushButton*>(name)) reihe << k;
    }
    for (qsizetype i = 0; i + 1 < reihe.size(); ++i) setTabOrder(reihe[i], reihe[i + 1]);
}

void Hauptfenster::ausfuehren(const std::function<void()>& aktion) {
    // The core's arithmetic at full speed after Qt's painting (see Vektorzustand.h).
    vektorregisterBereinigen();
    // An action may set the output more than once (a statement first empties it, then gives
    // its answer): only the last text is laid out, when the action is done.
    struct Sammeln {
        Hauptfenster& f;
        explicit Sammeln(Hauptfenster& fenster) : f(fenster) { ++f.ausgabeSammeln_; }
        ~Sammeln() {
            if (--f.ausgabeSammeln_ == 0) f.ausgabeNachholen();
        }
    } sammeln(*this);
    aktion();
    titelAktualisieren();
}

void Hauptfenster::ausgabeNachholen() {
    if (!ausgabeWartend_) return;
    const std::string text = std::move(*ausgabeWartend_);
    ausgabeWartend_.reset();
    ausgabeZeigen(text);
}

void Hauptfenster::titelAktualisieren() {
    // The name under which the list is proposed for saving: the name it was last saved under,
    // or the one its first line gives it at a replay.
    setWindowTitle(q(aktuellerListenName) + " – Quodral");
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::auswahlGeaendert() {
    const QModelIndexList zeilen = tafel_->selectionModel()->selectedRows();
    steuerung_.tableViewSelectionDidChange(zeilen.isEmpty() ? -1 : zeilen.front().row());
    // A row chosen with the mouse is edited in the input line, so typing goes there; a user
    // who walks the table with the keyboard keeps it.
    if (!zeilen.isEmpty() && !tafel_->hasFocus()) eingabe_->setFocus();
}

std::string Hauptfenster::eingabeLesen() { return eingabe_->text().toStdString(); }

void Hauptfenster::eingabeSetzen(const std::string& text) { eingabe_->setText(q(text)); }

void Hauptfenster::ausgabeSetzen(const std::string& text) {
    if (ausgabeSammeln_ > 0) {
        ausgabeWartend_ = text;
        return;
    }
    ausgabeZeigen(text);
}

void Hauptfenster::ausgabeZeigen(const std::string& text) { ausgabe_->textZeigen(q(text)); }

void Hauptfenster::editKnoepfeZeigen(bool sichtbar) { editGruppe_->setVisible(sichtbar); }

void Hauptfenster::tabelleNeuLaden() {
    modell_->neuLaden();
    // As after a reset of its model, the table has no selection and no current row.
    QItemSelectionModel* auswahl = tafel_->selectionModel();
    if (auswahl->hasSelection() || auswahl->currentIndex().isValid()) auswahl->clear();
}

void Hauptfenster::piepen() { QApplication::beep(); }

std::string Hauptfenster::frage(const std::string& text, const std::vector<std::string>& optionen) {
    // What the action has answered so far shows while the user is asked.
    ausgabeNachholen();
    QMessageBox box(this);
    box.setWindowTitle("Quodral");
    box.setTextFormat(Qt::PlainText);   // statements may hold "<" and must show as typed
    box.setText(q(text));
    const QPixmap ikon(":/M128.png");
    if (!ikon.isNull()) box.setIconPixmap(ikon.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    std::vector<QAbstractButton*> knoepfe;
    for (const std::string& titel : optionen) knoepfe.push_back(box.addButton(q(titel), QMessageBox::ActionRole));
    // Return confirms with the first button; Escape, like closing the question, declines with
    // the last one, which is the declining answer of every question the program asks.
    box.setDefaultButton(static_cast<QPushButton*>(knoepfe.front()));
    box.setEscapeButton(knoepfe.back());
    box.exec();
    // The pressed button is known by itself, not by its text: a style may have added a
    // shortcut marker to the title.
    const QAbstractButton* gedrueckt = box.clickedButton();
    for (std::size_t i = 0; i < knoepfe.size(); ++i)
        if (knoepfe[i] == gedrueckt) return optionen[i];
    return "Fehler";
}

std::string Hauptfenster::auswahl(const std::string& frageText, const std::string& option1,
                                  const std::string& option2) {
    return frage(frageText, {option1, option2});
}

std::string Hauptfenster::auswahlAus3(const std::string& frageText, const std::string& option1,
                                      const std::string& option2, const std::string& option3) {
    return frage(frageText, {option1, option2, option3});
}

std::optional<std::string> Hauptfenster::speicherDialog(const std::string& vorschlag) {
    ausgabeNachholen();
    QString ordner = dialogOrdner_;
    QString name = q(vorschlag);
    // The default suffix is added only to a name without one. A name with another extension
    // would be confirmed by the dialog under that name, yet saved with ".qdl" appended, which
    // could replace an existing file unasked: such a name is refused and the user asked again.
    for (;;) {
        QFileDialog dialog(this, "Quodral-Anweisungsliste speichern");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix("qdl");
        dateiDialogEinrichten(dialog, ordner);
        dialog.setLabelText(QFileDialog::Accept, "Speichern");
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QFileInfo datei(dialog.selectedFiles().front());
        if (auto pfad = gewaehlteListe(datei, ordner)) return pfad;
        name = datei.completeBaseName();
    }
}

std::optional<std::string> Hauptfenster::gewaehlteListe(const QFileInfo& datei, QString& ordner) {
    if (datei.suffix().compare("qdl", Qt::CaseInsensitive) == 0) {
        dialogOrdner_ = datei.absolutePath();
        return QFile::encodeName(datei.filePath()).toStdString();
    }
    piepen();
    ordner = datei.absolutePath();
    return std::nullopt;
}

std::optional<std::string> Hauptfenster::oeffnenDialog() {
    ausgabeNachholen();
    QString ordner = dialogOrdner_;
    // The filter only hides other files: a name typed into the dialog passes it. Such a file is
    // no statement list; the user is asked again, in the same folder.
    for (;;) {
        QFileDialog dialog(this, "Quodral - Dateien");
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dateiDialogEinrichten(dialog, ordner);
        dialog.setLabelText(QFileDialog::Accept, "Laden.");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().size() != 1) return std::nullopt;
        if (auto pfad = gewaehlteListe(QFileInfo(dialog.selectedFiles().front()), ordner)) return pfad;
    }
}

void Hauptfenster::prozessBeenden() {
    // At once and saving nothing; only what is already written to standard output is flushed.
    std::cout.flush();
    std::fflush(nullptr);
    std::_Exit(0);
}

void Hauptfenster::konsolenzeile(const std::string& zeile) {
    std::fputs((zeile + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void Hauptfenster::neuZeichnen() {
    // Only the drawing follows the scene; the rest of the window updates itself where it
    // changes.
    grafik_->spaeterZeichnen();
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    // The window is never closed behind the user's back; a confirmed quit ends the process
    // from inside the question. While long work runs, its progress dialog is the way to stop
    // it: the request is not taken up then.
    ereignis->ignore();
    if (arbeit_) return;
    steuerung_.beenden();
}

void Hauptfenster::langeArbeitBeginnt(std::size_t schritte) {
    arbeit_.emplace();
    arbeit_->uhr.start();
    arbeit_->schritte = schritte;
}

bool Hauptfenster::weiterArbeiten(std::size_t erledigt) {
    // The window is painted again and the dialog follows a few times a second: more often
    // would cost the work more than it shows.
    constexpr qint64 meldeAbstand = 100;
    if (!arbeit_) return true;
    if (fortschritt_ && fortschritt_->wasCanceled()) return false;
    const qint64 jetzt = arbeit_->uhr.elapsed();
    if (!fortschritt_) {
        if (jetzt < fortschrittNach_.count()) return true;
        // Shown modally over the window: the user's other input waits until the work is done,
        // while the window is painted as it needs.
        fortschritt_ = std::make_unique<QProgressDialog>(this);
        fortschritt_->setWindowTitle("Quodral");
        fortschritt_->setWindowModality(Qt::WindowModal);
        fortschritt_->setCancelButtonText("Abbrechen");
        fortschritt_->setAutoClose(false);
        fortschritt_->setAutoReset(false);
        fortschritt_->setMinimumDuration(0);
        fortschritt_->setRange(0, static_cast<int>(std::min<std::size_t>(arbeit_->schritte, INT_MAX)));
        fortschritt_->setMinimumWidth(360);
    } else if (jetzt - arbeit_->gezeigt < meldeAbstand) {
        return !fortschritt_->wasCanceled();
    }
    arbeit_->gezeigt = jetzt;
    // Before its first line the work prepares the list (it reports no line done yet).
    fortschritt_->setLabelText(q(erledigt == 0 ? "Die Anweisungsliste wird zur Ausführung vorbereitet: " +
                                                     std::to_string(arbeit_->schritte) + " Zeilen"
                                               : "Die Anweisungsliste wird ausgeführt: Zeile " +
                                                     std::to_string(erledigt) + " von " +
                                                     std::to_string(arbeit_->schritte)));
    fortschritt_->setValue(static_cast<int>(std::min<std::size_t>(erledigt, INT_MAX)));
    if (!fortschritt_->isVisible()) fortschritt_->show();
    QCoreApplication::processEvents();
    // The core's arithmetic at full speed after Qt's painting (see Vektorzustand.h).
    vektorregisterBereinigen();
    return !fortschritt_->wasCanceled();
}

void Hauptfenster::langeArbeitEndet() {
    arbeit_.reset();
    fortschritt_.reset();
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Before a key reaches the focused widget as a shortcut, the widget is asked whether it
    // wants the key itself; a text field says yes to Ctrl+Z. A field holding typing that can
    // be undone keeps the key and undoes the typing, as every text field does. An empty field,
    // or one without typing to undo (a statement just run, a row put there from the table),
    // leaves the key to the window's undo of the last step, as does every other widget.
    if (ereignis->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Undo)) {
        const auto* feld = qobject_cast<QLineEdit*>(objekt);
        if (feld != nullptr && !feld->text().isEmpty() && feld->isUndoAvailable()) return false;
        ereignis->ignore();
        return true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void Hauptfenster::eingabeUebernommen() {
    // Setting the text anew forgets the steps that typed it: what was run is undone as a step
    // of the list, not key by key.
    eingabe_->setText(eingabe_->text());
}

}  // namespace quodral
