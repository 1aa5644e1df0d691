#include "shell/Hauptfenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "shell/GrafikWidget.h"

// The alert icon lives in the shell's resources, which a static library must register itself.
static void ressourcenEinbinden() { Q_INIT_RESOURCE(Quodral); }

namespace quodral {

namespace {

// The command area stays narrow, so that the window with the drawing view beside it still
// fits a small screen.
constexpr int befehlsBreite = 500;

QString q(const std::string& text) { return QString::fromStdString(text); }

const QString dateiFilter = "Quodral-Anweisungslisten (*.qdl)";

// Qt's own file dialog speaks English where no translation of Qt is installed: its labels are
// given in German, and it opens wide enough to show a file's size, kind and date uncut.
void dateiDialogEinrichten(QFileDialog& dialog) {
    dialog.setLabelText(QFileDialog::LookIn, "Suchen in:");
    dialog.setLabelText(QFileDialog::FileName, "Dateiname:");
    dialog.setLabelText(QFileDialog::FileType, "Dateityp:");
    dialog.setLabelText(QFileDialog::Reject, "Abbrechen");
    dialog.resize(std::max(dialog.width(), 800), std::max(dialog.height(), 480));
    if (auto* liste = dialog.findChild<QTreeView*>("treeView")) {
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The statement table's model

AnweisungsModell::AnweisungsModell(const ViewController& steuerung, QObject* parent)
    : QAbstractTableModel(parent), steuerung_(steuerung) {}

int AnweisungsModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : steuerung_.numberOfRows();
}

int AnweisungsModell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant AnweisungsModell::data(const QModelIndex& index, int role) const {
    // The tooltip shows the whole statement, which the narrow column cuts off when it is long.
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return q(steuerung_.zellenText(index.row()));
}

QVariant AnweisungsModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0) return QString("Anweisungsliste");
    return {};
}

void AnweisungsModell::neuLaden() {
    beginResetModel();
    endResetModel();
}

// ---------------------------------------------------------------------------------------------
// The window

Hauptfenster::Hauptfenster(QWidget* parent) : QMainWindow(parent), steuerung_(*this) {
    ressourcenEinbinden();
    setWindowTitle("Quodral");
    // A title and a minimise button, but no close box and no maximise button: the program
    // ends only through the quit question.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);

    auto* mitte = new QWidget(this);
    hauptzeile_ = new QHBoxLayout(mitte);
    auto* befehle = new QWidget(mitte);
    befehle->setFixedWidth(befehlsBreite);
    hauptzeile_->addWidget(befehle);
    // The drawing view with its controls beside the command area.
    hauptzeile_->addWidget(new GrafikWidget(mitte, befehlsBreite + 2 * hauptzeile_->spacing() + 24), 0, Qt::AlignTop);
    auto* spalte = new QVBoxLayout(befehle);
    spalte->setContentsMargins(0, 0, 0, 0);

    spalte->addWidget(new QLabel("Eingabe", befehle));
    eingabe_ = new QLineEdit(befehle);
    eingabe_->setObjectName("eingabe");
    spalte->addWidget(eingabe_);

    spalte->addWidget(new QLabel("Ausgabe", befehle));
    ausgabe_ = new QPlainTextEdit(befehle);
    ausgabe_->setObjectName("ausgabe");
    ausgabe_->setReadOnly(true);
    ausgabe_->setFixedHeight(230);
    spalte->addWidget(ausgabe_);

    modell_ = new AnweisungsModell(steuerung_, this);
    tafel_ = new QTableView(befehle);
    tafel_->setObjectName("tafel");
    tafel_->setModel(modell_);
    tafel_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tafel_->setSelectionMode(QAbstractItemView::SingleSelection);
    tafel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tafel_->horizontalHeader()->setStretchLastSection(true);
    tafel_->verticalHeader()->hide();
    tafel_->setFixedHeight(250);
    // A click selects a row without taking the keyboard: the selected statement is edited in
    // the input line, and letters typed into the table would select other rows behind the
    // user's back. Tab still reaches the table.
    tafel_->setFocusPolicy(Qt::TabFocus);
    spalte->addWidget(tafel_);

    // The edit buttons of the selected row keep their place while hidden, so that nothing
    // jumps when a row is selected.
    editGruppe_ = new QWidget(befehle);
    editGruppe_->setObjectName("editKnoepfe");
    auto* editZeile = new QHBoxLayout(editGruppe_);
    editZeile->setContentsMargins(0, 0, 0, 0);
    QSizePolicy politik = editGruppe_->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    editGruppe_->setSizePolicy(politik);
    spalte->addWidget(editGruppe_);

    auto* knoepfe = new QGridLayout();
    spalte->addLayout(knoepfe);

    auto knopf = [this](QWidget* eltern, const char* titel, const char* aktion, void (ViewController::*was)()) {
        auto* k = new QPushButton(QString::fromUtf8(titel), eltern);
        k->setObjectName(aktion);
        k->setAutoDefault(false);
        // A click leaves the keyboard where the user types: a button holding the focus would
        // be pressed again by every blank of the next statement (the undo button thus deleting
        // one statement per blank).
        k->setFocusPolicy(Qt::TabFocus);
        connect(k, &QPushButton::clicked, this, [this, was] { (steuerung_.*was)(); });
        return k;
    };
    editZeile->addWidget(knopf(editGruppe_, "Ersetzen", "editB", &ViewController::editB));
    editZeile->addWidget(knopf(editGruppe_, "Löschen", "loeschB", &ViewController::loeschB));
    editZeile->addStretch();

    knoepfe->addWidget(knopf(befehle, "Ausführen", "execB", &ViewController::execB), 0, 0);
    knoepfe->addWidget(knopf(befehle, "Letzten Schritt löschen", "letztenSchrittLoeschen",
                             &ViewController::letztenSchrittLoeschen), 0, 1);
    knoepfe->addWidget(knopf(befehle, "Hilfe", "help", &ViewController::help), 0, 2);
    knoepfe->addWidget(knopf(befehle, "Sichern", "btnFileSave", &ViewController::btnFileSave), 1, 0);
    knoepfe->addWidget(knopf(befehle, "Laden", "LadeB", &ViewController::LadeB), 1, 1);
    knoepfe->addWidget(knopf(befehle, "Letzte Antwort", "SpeicherB", &ViewController::SpeicherB), 1, 2);
    knoepfe->addWidget(knopf(befehle, "Neustart", "neustart", &ViewController::neustart), 2, 0);
    knoepfe->addWidget(knopf(befehle, "Beenden", "quitB", &ViewController::quitB), 2, 2);

    setCentralWidget(mitte);
    // The window takes the size its contents ask for and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The statement stays in the input line, selected, so that the next one simply replaces it
    // and Return alone repeats it.
    connect(eingabe_, &QLineEdit::returnPressed, this, [this] {
        const int zeilenVorher = modell_->rowCount();
        steuerung_.aktionB();
        eingabe_->selectAll();
        // The statement just recorded comes into view at the end of a long list.
        if (modell_->rowCount() > zeilenVorher) tafel_->scrollToBottom();
    });
    connect(tafel_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { auswahlGeaendert(); });

    steuerung_.fensterGeladen();
    eingabe_->setFocus();
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

void Hauptfenster::ausgabeSetzen(const std::string& text) { ausgabe_->setPlainText(q(text)); }

void Hauptfenster::editKnoepfeZeigen(bool sichtbar) { editGruppe_->setVisible(sichtbar); }

void Hauptfenster::tabelleNeuLaden() { modell_->neuLaden(); }

void Hauptfenster::piepen() { QApplication::beep(); }

std::string Hauptfenster::frage(const std::string& text, const std::vector<std::string>& optionen) {
    QMessageBox box(this);
    box.setWindowTitle("Quodral");
    box.setTextFormat(Qt::PlainText);   // statements may hold "<" and must show as typed
    box.setText(q(text));
    const QPixmap ikon(":/M128.png");
    if (!ikon.isNull()) box.setIconPixmap(ikon.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    std::vector<QAbstractButton*> knoepfe;
    for (const std::string& titel : optionen) knoepfe.push_back(box.addButton(q(titel), QMessageBox::ActionRole));
    box.setDefaultButton(static_cast<QPushButton*>(knoepfe.front()));
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
    QString ordner;
    QString name = q(vorschlag);
    // The default suffix is added only to a name without one. A name with another extension
    // would be confirmed by the dialog under that name, yet saved with ".qdl" appended, which
    // could replace an existing file unasked: such a name is refused and the user asked again.
    for (;;) {
        QFileDialog dialog(this, "Quodral-Anweisungsliste speichern");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(dateiFilter);
        dialog.setDefaultSuffix("qdl");
        dateiDialogEinrichten(dialog);
        dialog.setLabelText(QFileDialog::Accept, "Speichern");
        if (!ordner.isEmpty()) dialog.setDirectory(ordner);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QFileInfo datei(dialog.selectedFiles().front());
        if (datei.suffix().compare("qdl", Qt::CaseInsensitive) == 0)
            return QFile::encodeName(datei.filePath()).toStdString();
        piepen();
        ordner = datei.absolutePath();
        name = datei.completeBaseName();
    }
}

std::optional<std::string> Hauptfenster::oeffnenDialog() {
    QString ordner;
    // The filter only hides other files: a name typed into the dialog passes it. Such a file is
    // no statement list; the user is asked again, in the same folder.
    for (;;) {
        QFileDialog dialog(this, "Quodral - Dateien");
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(dateiFilter);
        dateiDialogEinrichten(dialog);
        dialog.setLabelText(QFileDialog::Accept, "Laden.");
        if (!ordner.isEmpty()) dialog.setDirectory(ordner);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().size() != 1) return std::nullopt;
        const QFileInfo datei(dialog.selectedFiles().front());
        if (datei.suffix().compare("qdl", Qt::CaseInsensitive) == 0)
            return QFile::encodeName(datei.filePath()).toStdString();
        piepen();
        ordner = datei.absolutePath();
    }
}

void Hauptfenster::prozessBeenden() {
    // At once and saving nothing; only what is already written to standard output is flushed.
    std::cout.flush();
    std::fflush(nullptr);
    std::_Exit(0);
}

void Hauptfenster::neuZeichnen() {
    update();
    if (auto* grafik = findChild<GrafikWidget*>()) grafik->spaeterZeichnen();
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    // The window is never closed behind the user's back; a confirmed quit ends the process
    // from inside the question.
    ereignis->ignore();
    steuerung_.beenden();
}

}  // namespace quodral
