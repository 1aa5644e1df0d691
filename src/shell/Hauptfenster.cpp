#include "shell/Hauptfenster.h"

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
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "interpreter/Dateioperationen.h"
#include "model/Objekte.h"
#include "shell/AnweisungsModell.h"
#include "shell/Antwortfeld.h"
#include "shell/Frage.h"
#include "shell/GrafikWidget.h"
#include "shell/Hauptzeile.h"
#include "shell/Tafelrollbalken.h"
#include "shell/Vektorzustand.h"

// The alert icon lives in the shell's resources, which a static library must register itself.
static void ressourcenEinbinden() { Q_INIT_RESOURCE(Quodral); }

namespace quodral {

namespace {

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

// The room a top-level window may take on the screen that `w` is on: the screen's free area
// less the window manager's frame. On a small screen at a large scale (1366 × 768 at twice the
// scale leaves 683 × 384 window pixels) the window and its dialogs must fit into it.
QSize fensterPlatz(const QWidget& w) {
    const QScreen* bildschirm = w.screen();
    if (bildschirm == nullptr) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return bildschirm->availableGeometry().size() - QSize(rahmenBreite, rahmenHoehe);
}

const QString dateiFilter = "Quodral-Anweisungslisten (*.qdl)";

// Qt's own file dialog (the same on every desktop, and German once Qt's translations are
// installed). The labels that matter most are given in German here too, for a system without
// Qt's translations; it opens wide enough to show a file's size, kind and date uncut, where the
// screen has room for that.
void dateiDialogEinrichten(QFileDialog& dialog, const QString& ordner, QSize platz) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, "Suchen in:");
    dialog.setLabelText(QFileDialog::FileName, "Dateiname:");
    dialog.setLabelText(QFileDialog::FileType, "Dateityp:");
    dialog.setLabelText(QFileDialog::Reject, "Abbrechen");
    dialog.setNameFilter(dateiFilter);
    dialog.setDirectory(ordner);
    dialog.resize(QSize(std::max(dialog.width(), 800), std::max(dialog.height(), 480))
                      .boundedTo(platz)
                      .expandedTo(dialog.minimumSizeHint()));
    if (auto* liste = dialog.findChild<QTreeView*>("treeView")) {
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The window

Hauptfenster::Hauptfenster(QWidget* parent)
    : QMainWindow(parent), steuerung_(*this), dialogOrdner_(QDir::homePath()) {
    ressourcenEinbinden();
    // A title, a minimise and a maximise button, but no close box: the program ends only
    // through the quit question.
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
    eingabe_->setToolTip("Eine Anweisung eingeben und mit der Eingabetaste ausführen; "
                         "? WORT erklärt ein Schlüsselwort, HILFE listet alle auf.");
    spalte->addWidget(eingabe_);

    spalte->addWidget(beschriftung("Ausgabe"));
    ausgabe_ = new Antwortfeld(befehle);
    ausgabe_->setObjectName("ausgabe");
    ausgabe_->setMinimumHeight(kleinsteTextHoehe);
    spalte->addWidget(ausgabe_, 1);

    modell_ = new AnweisungsModell(this);
    tafel_ = new QTableView(befehle);
    tafel_->setObjectName("tafel");
    tafel_->setModel(modell_);
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

    // The statement stays in the input line, offered as the restart offers "Start": the next
    // one simply replaces it and Return alone repeats it.
    connect(eingabe_, &QLineEdit::returnPressed, this, [this] {
        const int zeilenVorher = modell_->rowCount();
        ausfuehren([this] { steuerung_.aktionB(); });
        eingabeAnbieten(eingabeLesen());
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
    const QSize groesse = sizeHint().boundedTo(fensterPlatz(*this)).expandedTo(minimumSizeHint());
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
    // An action may hide the buttons of a row that stays selected (a declined replacement), or
    // clear the selection behind them (a reload).
    editKnoepfeAbgleichen();
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
    editKnoepfeAbgleichen();
    // A row chosen with the mouse is edited in the input line, so typing goes there; a user
    // who walks the table with the keyboard keeps it.
    if (!zeilen.isEmpty() && !tafel_->hasFocus()) eingabe_->setFocus();
}

std::string Hauptfenster::eingabeLesen() { return eingabe_->text().toStdString(); }

void Hauptfenster::eingabeSetzen(const std::string& text) { eingabe_->setText(q(text)); }

void Hauptfenster::eingabeAnbieten(const std::string& text) {
    // Set anew, the text has no typing to undo. The keyboard may be elsewhere (a button reached
    // with Tab, the widget a question gave it back to): the next keys belong to the line.
    eingabe_->setText(q(text));
    eingabe_->selectAll();
    eingabe_->setFocus(Qt::OtherFocusReason);
}

void Hauptfenster::ausgabeSetzen(const std::string& text) {
    if (ausgabeSammeln_ > 0) {
        ausgabeWartend_ = text;
        return;
    }
    ausgabeZeigen(text);
}

void Hauptfenster::ausgabeZeigen(const std::string& text) { ausgabe_->textZeigen(q(text)); }

void Hauptfenster::editKnoepfeZeigen(bool sichtbar) { editGruppe_->setVisible(sichtbar); }

void Hauptfenster::editKnoepfeAbgleichen() { editGruppe_->setVisible(tafel_->selectionModel()->hasSelection()); }

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
    QStringList antworten;
    for (const std::string& titel : optionen) antworten << q(titel);
    const QPointer<QWidget> vorher = focusWidget();
    int gewaehlt = -1;
    {
        Frage box(this, q(text), antworten, fensterPlatz(*this));
        gewaehlt = box.fragen();
    }
    tastaturZurueckgeben(vorher);
    return gewaehlt >= 0 ? optionen[static_cast<std::size_t>(gewaehlt)] : "Fehler";
}

std::string Hauptfenster::auswahl(const std::string& frageText, const std::string& option1,
                                  const std::string& option2) {
    return frage(frageText, {option1, option2});
}

std::string Hauptfenster::auswahlAus3(const std::string& frageText, const std::string& option1,
                                      const std::string& option2, const std::string& option3) {
    return frage(frageText, {option1, option2, option3});
}

void Hauptfenster::tastaturZurueckgeben(const QPointer<QWidget>& vorher) {
    activateWindow();
    // A widget of this window that is still there to take the keys (an edit button is hidden
    // once its row is gone), otherwise the input line.
    if (vorher && isAncestorOf(vorher) && vorher->isVisible() && vorher->isEnabled())
        vorher->setFocus(Qt::OtherFocusReason);
    else
        eingabe_->setFocus(Qt::OtherFocusReason);
}

std::optional<std::string> Hauptfenster::speicherDialog(const std::string& vorschlag) {
    ausgabeNachholen();
    const auto zurueck = qScopeGuard([this, vorher = QPointer<QWidget>(focusWidget())] {
        tastaturZurueckgeben(vorher);
    });
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
        dateiDialogEinrichten(dialog, ordner, fensterPlatz(*this));
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
    const auto zurueck = qScopeGuard([this, vorher = QPointer<QWidget>(focusWidget())] {
        tastaturZurueckgeben(vorher);
    });
    QString ordner = dialogOrdner_;
    // The filter only hides other files: a name typed into the dialog passes it. Such a file is
    // no statement list; the user is asked again, in the same folder.
    for (;;) {
        QFileDialog dialog(this, "Quodral - Dateien");
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dateiDialogEinrichten(dialog, ordner, fensterPlatz(*this));
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
        fokusVorDerArbeit_ = focusWidget();
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
    if (!fortschritt_) return;
    fortschritt_.reset();
    tastaturZurueckgeben(fokusVorDerArbeit_);
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Before a key reaches the focused widget as a shortcut, the widget is asked whether it
    // wants the key itself; a text field says yes to Ctrl+Z. A field with editing that can be
    // undone keeps the key and undoes the editing, as every text field does, also when the
    // editing has emptied it: the text erased comes back. A field without editing to undo (a
    // statement just run, a row put there from the table) leaves the key to the window's undo
    // of the last step, as does every other widget.
    if (ereignis->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Undo)) {
        const auto* feld = qobject_cast<QLineEdit*>(objekt);
        if (feld != nullptr && feld->isUndoAvailable()) return false;
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
