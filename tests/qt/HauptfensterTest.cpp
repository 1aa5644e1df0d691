// The main window with its real widgets: typing a statement, selecting a table row, the
// questions and the window manager's close request, the menu and its shortcuts, the keyboard's
// way through the window, the title and the file dialogs.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "Abfragen.h"
#include "shell/GrafikWidget.h"
#include "shell/Hauptfenster.h"
#include "shell/Sprache.h"
#include "app/Zuruecksetzen.h"
#include "interpreter/Vorschlaege.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* aus) { *aus << '"' << text.toStdString() << '"'; }

namespace quodral {
namespace {

// A main window whose confirmed quit is only recorded, so that the test process lives on. Its
// file dialogs can be given a fixed answer, for paths that no dialog would hand out.
class TestHauptfenster : public Hauptfenster {
public:
    void prozessBeenden() override { beendet = true; }
    std::optional<std::string> speicherDialog(const std::string& vorschlag) override {
        return festerPfad ? festerPfad : Hauptfenster::speicherDialog(vorschlag);
    }
    std::optional<std::string> oeffnenDialog() override {
        return festerPfad ? festerPfad : Hauptfenster::oeffnenDialog();
    }
    bool beendet = false;
    std::optional<std::string> festerPfad;
};

// Qt's German texts, as the program installs them at its start; false where Qt's translations
// are missing.
bool qtDeutsch() {
    static const bool geladen = qtAufDeutsch(*QCoreApplication::instance());
    return geladen;
}

// The question the window shows now, if any: its text, its buttons from left to right, and
// the button that Return presses.
struct Gezeigt {
    QDialog* box = nullptr;
    QString text;
    QList<QPushButton*> knoepfe;
    QStringList titel;
    QString vorgabe;
};

Gezeigt gezeigteFrage() {
    Gezeigt g;
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (box == nullptr || box->objectName() != "frage" || !box->isVisible()) return g;
    g.box = box;
    if (const auto* text = box->findChild<QTextEdit*>("frageText")) g.text = text->toPlainText();
    g.knoepfe = box->findChildren<QPushButton*>();
    std::sort(g.knoepfe.begin(), g.knoepfe.end(), [box](QPushButton* a, QPushButton* b) {
        return a->mapTo(box, QPoint(0, 0)).x() < b->mapTo(box, QPoint(0, 0)).x();
    });
    for (QPushButton* knopf : g.knoepfe) {
        g.titel << knopf->text().remove('&');
        // A focused button takes Return itself; otherwise the default button does.
        if (box->focusWidget() == knopf || (knopf->isDefault() && g.vorgabe.isEmpty())) g.vorgabe = g.titel.back();
    }
    return g;
}

// Answers the next modal question as soon as it shows: presses the button titled `titel`,
// or, for an empty title, closes the question without any button. Records what it saw.
struct Antwort {
    QString frage;
    QStringList knoepfe;
    QString vorgabe;   // the button that Return would have pressed
    bool gesehen = false;
    bool offenGeblieben = false;
};

std::shared_ptr<Antwort> beantworte(const QString& titel, bool kuerzelEinfuegen = false) {
    auto antwort = std::make_shared<Antwort>();
    abfragen(nullptr, [=] {
        const Gezeigt g = gezeigteFrage();
        if (g.box == nullptr) return false;
        antwort->gesehen = true;
        antwort->frage = g.text;
        antwort->knoepfe = g.titel;
        antwort->vorgabe = g.vorgabe;
        const auto i = g.titel.indexOf(titel);
        if (i < 0) {
            g.box->reject();
            return true;
        }
        // As a style that adds keyboard shortcuts does: the title changes, the button not.
        if (kuerzelEinfuegen)
            for (QPushButton* knopf : g.knoepfe) knopf->setText("&" + knopf->text());
        g.knoepfe[i]->click();
        return true;
    });
    return antwort;
}

// Presses the key (Escape, Return) in the next question as soon as it shows, where the keyboard
// is in it, as a user does who declines or who meant Return for the input line.
std::shared_ptr<Antwort> mitTaste(Qt::Key taste) {
    auto antwort = std::make_shared<Antwort>();
    abfragen(nullptr, [=] {
        const Gezeigt g = gezeigteFrage();
        if (g.box == nullptr) return false;
        antwort->gesehen = true;
        antwort->frage = g.text;
        antwort->knoepfe = g.titel;
        antwort->vorgabe = g.vorgabe;
        QTest::keyClick(g.box->focusWidget() != nullptr ? g.box->focusWidget() : g.box, taste);
        // A question that the key leaves open is closed without an answer: the caller then
        // sees "Fehler" instead of the declining title, and the test goes on.
        antwort->offenGeblieben = g.box->isVisible();
        if (antwort->offenGeblieben) g.box->reject();
        return true;
    });
    return antwort;
}

// What the next file dialog shows when it opens: its title, its folder, the columns of its file
// list and the texts of its buttons (titles and tooltips). The dialog is then cancelled.
struct Dialogblick {
    bool gesehen = false;
    QString titel;
    QString ordner;
    QStringList spalten;
    QStringList knoepfe;
};

std::shared_ptr<Dialogblick> dialogAnsehen(QObject* eltern) {
    auto blick = std::make_shared<Dialogblick>();
    abfragen(eltern, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return false;
        blick->gesehen = true;
        blick->titel = dialog->windowTitle();
        blick->ordner = QFileInfo(dialog->directory().absolutePath()).canonicalFilePath();
        if (auto* liste = dialog->findChild<QTreeView*>("treeView"))
            for (int i = 0; i < liste->header()->count(); ++i)
                blick->spalten << liste->model()->headerData(i, Qt::Horizontal).toString();
        for (QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>()) {
            if (!knopf->text().isEmpty()) blick->knoepfe << knopf->text().remove('&');
            if (!knopf->toolTip().isEmpty()) blick->knoepfe << knopf->toolTip();
        }
        dialog->reject();
        return true;
    });
    return blick;
}

QString kanonisch(const QString& pfad) { return QFileInfo(pfad).canonicalFilePath(); }

// Works the next file dialogs as they show: for each name in turn, types that file of the
// folder into the dialog's name field, as a user does, and confirms; a further dialog is
// cancelled. Records how many files it chose.
std::shared_ptr<int> dateiWaehlen(QObject* eltern, const QString& ordner, const QStringList& namen) {
    auto gesehen = std::make_shared<int>(0);
    abfragen(eltern, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return *gesehen >= namen.size();
        if (*gesehen >= namen.size()) {
            dialog->reject();
            return false;
        }
        // selectFile would leave a focused name field as it was.
        if (auto* namensfeld = dialog->findChild<QLineEdit*>("fileNameEdit"))
            namensfeld->setText(ordner + "/" + namen[*gesehen]);
        else
            dialog->selectFile(ordner + "/" + namen[*gesehen]);
        ++*gesehen;
        static_cast<QDialog*>(dialog)->accept();   // the same as the confirm button
        return false;
    });
    return gesehen;
}

class HauptfensterTest : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        qtDeutsch();
        fenster = std::make_unique<TestHauptfenster>();
        fenster->show();
        eingabe = fenster->findChild<QLineEdit*>("eingabe");
        ausgabe = fenster->findChild<QPlainTextEdit*>("ausgabe");
        tafel = fenster->findChild<QTableView*>("tafel");
        editKnoepfe = fenster->findChild<QWidget*>("editKnoepfe");
        ASSERT_TRUE(eingabe && ausgabe && tafel && editKnoepfe);
    }
    void TearDown() override {
        fenster.reset();
        zustandZuruecksetzen();
    }

    // Types the text key by key (the test's key simulation knows ASCII only; other text is
    // put into the line as a whole) and presses Return.
    void tippen(const QString& text) {
        eingabe->clear();
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(eingabe, text);
        else
            eingabe->setText(text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }

    std::unique_ptr<TestHauptfenster> fenster;
    QLineEdit* eingabe = nullptr;
    QPlainTextEdit* ausgabe = nullptr;
    QTableView* tafel = nullptr;
    QWidget* editKnoepfe = nullptr;
};

TEST_F(HauptfensterTest, StartetMitLeererAusgabeOhneEditKnoepfeUndOhneSchliessfeld) {
    EXPECT_TRUE(ausgabe->toPlainText().isEmpty());
    EXPECT_FALSE(editKnoepfe->isVisible());
    EXPECT_EQ(tafel->model()->rowCount(), 0);
    EXPECT_FALSE(fenster->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // The window can be resized and maximised (its size on every screen: FenstergroesseTest).
    EXPECT_TRUE(fenster->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_NE(fenster->minimumSize(), fenster->maximumSize());
}

TEST_F(HauptfensterTest, GetippteAnweisungZeigtAntwortUndNeueTabellenzeile) {
    tippen("PUNKT A 1 2 3");
    EXPECT_EQ(ausgabe->toPlainText(), QString("A ist der Punkt (1.0,2.0,3.0)."));
    ASSERT_EQ(tafel->model()->rowCount(), 1);
    EXPECT_EQ(tafel->model()->index(0, 0).data().toString(), QString("1.   PUNKT  A  1  2  3"));
    // The input line keeps the statement as typed.
    EXPECT_EQ(eingabe->text(), QString("PUNKT A 1 2 3"));

    tippen("PUNKT A 4 5 6");
    EXPECT_TRUE(ausgabe->toPlainText().startsWith("FEHLER: "));
    EXPECT_EQ(tafel->model()->rowCount(), 1);
}

TEST_F(HauptfensterTest, ZeilenauswahlFuelltEingabeUndZeigtEditKnoepfe) {
    tippen("PUNKT A 1 2 3");
    tippen("* Würfel");
    tafel->selectRow(1);
    EXPECT_EQ(eingabe->text(), QString::fromStdString(anweisungsListe[1]));
    EXPECT_TRUE(editKnoepfe->isVisible());
    EXPECT_EQ(ausgabe->toPlainText(), QString::fromStdString(auswahlHinweis));
    // The hint names only buttons that the window shows.
    int genannt = 0;
    const QRegularExpression knopfName("(\\w+)-Button", QRegularExpression::UseUnicodePropertiesOption);
    for (auto treffer = knopfName.globalMatch(ausgabe->toPlainText()); treffer.hasNext(); ++genannt) {
        const QString name = treffer.next().captured(1);
        const QList<QPushButton*> knoepfe = fenster->findChildren<QPushButton*>();
        EXPECT_TRUE(std::any_of(knoepfe.begin(), knoepfe.end(),
                                [&](QPushButton* k) { return k->isVisible() && k->text().remove('&') == name; }))
            << name.toStdString();
    }
    EXPECT_EQ(genannt, 2);

    // Replacing the row: the question names the old and the new text; "JA" stores it as typed.
    eingabe->setText("PUNKT  B  0 0 1");
    const auto antwort = beantworte("JA");
    QTest::mouseClick(fenster->findChild<QAbstractButton*>("editB"), Qt::LeftButton);
    ASSERT_TRUE(antwort->gesehen);
    EXPECT_TRUE(antwort->frage.contains("Würfel"));
    EXPECT_EQ(antwort->knoepfe, QStringList({"JA", "Lieber doch nicht."}));
    EXPECT_EQ(anweisungsListe[1], "PUNKT  B  0 0 1");
    // The table shows the row at once in the form of the others, in which a replay runs it.
    EXPECT_EQ(tafel->model()->index(1, 0).data().toString(), QString("2.   PUNKT  B  0  0  1"));
    EXPECT_FALSE(editKnoepfe->isVisible());
    // The reload cleared the selection.
    EXPECT_TRUE(tafel->selectionModel()->selectedRows().isEmpty());
}

// The edit buttons show exactly while a row is selected: after a declined replacement, which
// keeps the row selected, after a declined deletion, whose reload of the table clears the
// selection, and after a click on the selected row.
TEST_F(HauptfensterTest, EditKnoepfeFolgenDerAusgewaehltenZeile) {
    for (const char* s : {"PUNKT A 1 2 3", "PUNKT B 4 5 6"}) tippen(s);
    const QPoint zeile = tafel->visualRect(tafel->model()->index(1, 0)).center();
    QTest::mouseClick(tafel->viewport(), Qt::LeftButton, {}, zeile);
    for (const char* name : {"editB", "loeschB"}) {
        const auto antwort = beantworte("Lieber doch nicht.");
        QTest::mouseClick(fenster->findChild<QAbstractButton*>(name), Qt::LeftButton);
        EXPECT_TRUE(antwort->gesehen) << name;
        EXPECT_EQ(editKnoepfe->isVisible(), tafel->selectionModel()->hasSelection()) << name;
        QTest::mouseClick(tafel->viewport(), Qt::LeftButton, {}, zeile);
        EXPECT_TRUE(editKnoepfe->isVisible()) << name;
    }
    EXPECT_EQ(anweisungsListe.size(), 2u);
}

// A click on a button, the colour pop-up or a table row leaves the keyboard in the input line:
// blanks typed afterwards must not press the undo button once more per blank, and a selected
// row is edited where the next keys go.
TEST_F(HauptfensterTest, KlicksLassenDieTastaturInDerEingabe) {
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    for (const char* s : {"PUNKT A 1 2 3", "PUNKT B 4 5 6", "PUNKT C 7 8 9"}) tippen(s);
    ASSERT_TRUE(eingabe->hasFocus());

    QTest::mouseClick(fenster->findChild<QAbstractButton*>("letztenSchrittLoeschen"), Qt::LeftButton);
    ASSERT_EQ(anweisungsListe.size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), eingabe);
    QTest::keyClicks(QApplication::focusWidget(), "A B ");
    ASSERT_EQ(anweisungsListe.size(), 2u);
    EXPECT_EQ(eingabe->text(), QString("A B "));

    for (const char* name : {"dismiss", "fontUpDown"}) {
        QTest::mouseClick(fenster->findChild<QAbstractButton*>(name), Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), eingabe) << name;
    }
    auto* farben = fenster->findChild<QComboBox*>("farbWahlB");
    ASSERT_NE(farben, nullptr);
    EXPECT_FALSE(farben->focusPolicy() & Qt::ClickFocus);

    const QRect zeile = tafel->visualRect(tafel->model()->index(0, 0));
    QTest::mouseClick(tafel->viewport(), Qt::LeftButton, {}, zeile.center());
    EXPECT_EQ(eingabe->text(), QString::fromStdString(anweisungsListe[0]));
    EXPECT_EQ(QApplication::focusWidget(), eingabe);
}

// The statement just typed is shown even when the list is longer than the table; a long
// statement can be read whole in the row's tooltip.
TEST_F(HauptfensterTest, NeueZeileWirdSichtbar) {
    for (int i = 0; i < 15; ++i) tippen(QString("PUNKT P%1 %1 0 0").arg(i));
    ASSERT_EQ(tafel->model()->rowCount(), 15);
    const QModelIndex letzte = tafel->model()->index(14, 0);
    EXPECT_TRUE(tafel->viewport()->rect().contains(tafel->visualRect(letzte)));
    EXPECT_EQ(letzte.data(Qt::ToolTipRole).toString(), letzte.data().toString());
}

TEST_F(HauptfensterTest, SchliessanforderungStelltDieBeendenFrage) {
    tippen("PUNKT A 1 2 3");
    auto antwort = beantworte("Lieber doch noch nicht");
    fenster->close();
    ASSERT_TRUE(antwort->gesehen);
    EXPECT_EQ(antwort->frage,
              QString("Alle nicht gesicherten Daten gehen beim Beenden verloren. Trotzdem jetzt Beenden?"));
    EXPECT_EQ(antwort->knoepfe, QStringList({"Ja, Beenden", "Lieber doch noch nicht"}));
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_FALSE(fenster->beendet);
    EXPECT_EQ(anweisungsListe.size(), 1u);

    antwort = beantworte("Ja, Beenden");
    fenster->close();
    ASSERT_TRUE(antwort->gesehen);
    EXPECT_TRUE(fenster->beendet);
}

TEST_F(HauptfensterTest, FrageAntwortetMitDemGedruecktenTitelOderFehler) {
    auto antwort = beantworte("Abbruch");
    EXPECT_EQ(fenster->auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Abbruch");
    EXPECT_EQ(antwort->knoepfe, QStringList({"Deaktivieren", "Löschen", "Abbruch"}));
    // A question closed without any of its buttons is no answer.
    antwort = beantworte("");
    EXPECT_EQ(fenster->auswahl("Wirklich?", "JA", "Lieber doch nicht."), "Fehler");
    EXPECT_TRUE(antwort->gesehen);
    // The button is known by itself, not by its title, which a style may give a shortcut.
    antwort = beantworte("Lieber doch nicht.", true);
    EXPECT_EQ(fenster->auswahl("Wirklich?", "JA", "Lieber doch nicht."), "Lieber doch nicht.");
    EXPECT_TRUE(antwort->gesehen);
    // The free function of the list editing asks the window that is installed.
    antwort = beantworte("Löschen");
    EXPECT_EQ(auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Löschen");
}

// The restart button, clicked with the keyboard on it (reached with Tab), leaves "Start"
// selected with the keyboard in the input line: the statement typed next replaces it.
TEST_F(HauptfensterTest, NeustartAntwortetMitStartInDerEingabe) {
    tippen("PUNKT A 1 2 3");
    const auto antwort = beantworte("Trotzdem Neustart");
    fenster->findChild<QAbstractButton*>("neustart")->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(fenster->findChild<QAbstractButton*>("neustart"), Qt::LeftButton);
    ASSERT_TRUE(antwort->gesehen);
    EXPECT_EQ(eingabe->text(), QString("Start"));
    EXPECT_EQ(tafel->model()->rowCount(), 0);
    EXPECT_TRUE(ausgabe->toPlainText().isEmpty());
    EXPECT_EQ(finde(punktListe, "A"), nullptr);
    // Elsewhere, the blanks typed would press the button again.
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == eingabe; }, 1000));
    QTest::keyClicks(eingabe, "PUNKT B 1 2 3");
    QTest::keyClick(eingabe, Qt::Key_Return);
    EXPECT_EQ(anweisungsListe.size(), 1u) << eingabe->text().toStdString();
}

// Opening takes only a statement-list file and asks again for another; saving appends the
// extension to a bare name, and asks again for a name with another extension, which would be
// written as "liste.txt.qdl" behind the dialog's back.
TEST_F(HauptfensterTest, DateidialogeNurFuerAnweisungslisten) {
    struct Fall {
        bool speichern;
        QStringList namen;
        const char* gewaehlt;
    };
    for (const Fall& f : {Fall{false, {"notiz.txt", "liste.qdl"}, "liste.qdl"}, Fall{true, {"neue Liste"}, "neue Liste.qdl"},
                          Fall{true, {"liste.txt", "liste"}, "liste.qdl"}}) {
        SCOPED_TRACE(f.gewaehlt);
        QTemporaryDir ordner;
        ASSERT_TRUE(ordner.isValid());
        if (!f.speichern)
            for (const char* name : {"notiz.txt", "liste.qdl"}) std::ofstream(ordner.filePath(name).toStdString()) << "a&";
        QObject hueter;   // ends the dialog worker with this case
        const auto gesehen = dateiWaehlen(&hueter, ordner.path(), f.namen);
        const std::optional<std::string> pfad = f.speichern ? fenster->speicherDialog("Letztstand") : fenster->oeffnenDialog();
        EXPECT_EQ(*gesehen, f.namen.size());
        ASSERT_TRUE(pfad.has_value());
        EXPECT_EQ(*pfad, ordner.filePath(f.gewaehlt).toStdString());
    }
}

// Each row shows the text that the replay runs: the same as rewriting the whole list into its
// normal form, whatever the row holds as stored.
TEST_F(HauptfensterTest, TabelleZeigtJedeZeileInDerNormalform) {
    const std::vector<std::string> zeilen{"punkt b 1,2;3", "  PUNKT  A  1  2  3", "* Würfel mit Kanten", "*Würfel",
                                          "ebene e a b c ", "neck n 6 a b", "größe"};
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        anweisungsListe = {zeilen[i]};
        formatiereAnwendungsliste();
        ASSERT_EQ(anweisungsListe.size(), 1u);
        const std::string normal = anweisungsListe[0];
        anweisungsListe = zeilen;
        fenster->tabelleNeuLaden();
        EXPECT_EQ(tafel->model()->index(static_cast<int>(i), 0).data().toString(),
                  QString::fromStdString(std::to_string(i + 1) + ". " + normal))
            << zeilen[i];
    }
    // Stored as they are: only what the table shows is rewritten.
    EXPECT_EQ(anweisungsListe[0], "punkt b 1,2;3");
}

// The menu holds the window's actions with the usual shortcuts, and each key reaches its
// action while the keyboard is in the input line.
TEST_F(HauptfensterTest, TastenkuerzelErreichenIhreAktionen) {
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    const std::pair<const char*, QKeySequence> kuerzel[] = {
        {"btnFileSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"LadeB", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"letztenSchrittLoeschen", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"execB", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"help", QKeySequence(Qt::Key_F1)},
        {"quitB", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"neustart", QKeySequence()},
        {"SpeicherB", QKeySequence()},
    };
    QList<QAction*> imMenue;
    for (QAction* titel : fenster->menuBar()->actions())
        if (titel->menu() != nullptr) imMenue << titel->menu()->actions();
    for (const auto& [name, folge] : kuerzel) {
        const QAction* aktion = fenster->findChild<QAction*>(name);
        ASSERT_NE(aktion, nullptr) << name;
        EXPECT_TRUE(imMenue.contains(aktion)) << name;
        EXPECT_EQ(aktion->shortcut(), folge) << name;
        // The button of the same action names its shortcut in its tooltip.
        const auto* knopf = fenster->findChild<QPushButton*>(name);
        ASSERT_NE(knopf, nullptr) << name;
        EXPECT_FALSE(knopf->toolTip().isEmpty()) << name;
        if (!folge.isEmpty()) {
            EXPECT_TRUE(knopf->toolTip().contains(folge.toString(QKeySequence::NativeText))) << name;
        }
    }

    for (const char* s : {"PUNKT A 1 2 3", "PUNKT B 4 5 6"}) tippen(s);
    // Each key goes where the keyboard is, once the window is active again after a dialog.
    auto taste = [this](Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        if (!fenster->isActiveWindow()) {
            fenster->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        }
        QWidget* ziel = QApplication::focusWidget();
        QTest::keyClick(ziel != nullptr ? ziel : eingabe, k, m);
    };

    // Ctrl+Z on an input line without editing to undo (the statement just run) undoes the last
    // step (with editing: StrgZMachtErstDasTippenRueckgaengig).
    ASSERT_EQ(QApplication::focusWidget(), eingabe);
    taste(Qt::Key_Z);
    EXPECT_EQ(anweisungsListe.size(), 1u);
    EXPECT_EQ(finde(punktListe, "B"), nullptr);

    taste(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(ausgabe->toPlainText(), QString::fromStdString(hilfe("?")));

    // The replay of the whole list answers a single blank after success.
    taste(Qt::Key_R);
    EXPECT_EQ(ausgabe->toPlainText(), QString(" "));
    EXPECT_NE(finde(punktListe, "A"), nullptr);

    QObject hueter;
    auto blick = dialogAnsehen(&hueter);
    taste(Qt::Key_S);
    EXPECT_TRUE(blick->gesehen);
    EXPECT_EQ(blick->titel, QString("Quodral-Anweisungsliste speichern"));
    blick = dialogAnsehen(&hueter);
    taste(Qt::Key_O);
    EXPECT_TRUE(blick->gesehen);
    EXPECT_EQ(blick->titel, QString("Quodral - Dateien"));

    auto antwort = beantworte("Lieber doch noch nicht");
    taste(Qt::Key_Q);
    EXPECT_TRUE(antwort->gesehen);
    EXPECT_EQ(antwort->knoepfe, QStringList({"Ja, Beenden", "Lieber doch noch nicht"}));
    EXPECT_FALSE(fenster->beendet);

    // The restart and the last answer have no key of their own; the menu reaches them.
    antwort = beantworte("Lieber doch nicht");
    fenster->findChild<QAction*>("neustart")->trigger();
    EXPECT_TRUE(antwort->gesehen);
    EXPECT_EQ(antwort->knoepfe, QStringList({"Trotzdem Neustart", "Lieber doch nicht"}));
    EXPECT_EQ(anweisungsListe.size(), 1u);
    quittung = "Die letzte Antwort.";
    fenster->findChild<QAction*>("SpeicherB")->trigger();
    EXPECT_EQ(ausgabe->toPlainText(), QString("Die letzte Antwort."));
}

// Ctrl+Z while typing undoes the typing, in the input line and in the drawing's name field. A
// statement just run is undone as a step, and so is the last step with the keyboard in a widget
// without typing; the typing in the input line stays.
TEST_F(HauptfensterTest, StrgZMachtErstDasTippenRueckgaengig) {
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    for (const char* s : {"PUNKT A 1 2 3", "PUNKT B 4 5 6", "PUNKT C 7 8 9"}) tippen(s);
    const auto strgZ = [](QWidget* ziel) { QTest::keyClick(ziel, Qt::Key_Z, Qt::ControlModifier); };
    strgZ(eingabe);
    EXPECT_EQ(anweisungsListe.size(), 2u);

    eingabe->selectAll();
    QTest::keyClicks(eingabe, "PUNKT X3 3");
    strgZ(eingabe);
    EXPECT_EQ(anweisungsListe.size(), 2u);
    EXPECT_NE(eingabe->text(), QString("PUNKT X3 3"));

    QLineEdit* namensfeld = fenster->findChild<GrafikWidget*>()->suchFeld();
    namensfeld->setFocus();
    QTest::keyClicks(namensfeld, "A");
    strgZ(namensfeld);
    EXPECT_EQ(namensfeld->text(), QString());
    EXPECT_EQ(anweisungsListe.size(), 2u);

    eingabe->clear();
    QTest::keyClicks(eingabe, "PUNKT Y 1");
    tafel->setFocus();
    strgZ(tafel);
    EXPECT_EQ(anweisungsListe.size(), 1u);
    EXPECT_EQ(eingabe->text(), QString("PUNKT Y 1"));
}

// The typing erased: Ctrl+Z brings it back and deletes no statement, for the input line has
// editing to undo though it holds no text. Once its editing is undone, the key undoes the last
// step of the list.
TEST_F(HauptfensterTest, StrgZNachDemLoeschenDerEingabeHoltSieZurueck) {
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    for (const char* s : {"PUNKT A 0 0 0", "PUNKT B 1 0 0", "PUNKT C 0 1 0"}) tippen(s);
    QTest::keyClicks(eingabe, "POLYGON D A B C A");
    QTest::keyClick(eingabe, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(eingabe, Qt::Key_Backspace);
    ASSERT_TRUE(eingabe->text().isEmpty());
    QTest::keyClick(eingabe, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(eingabe->text(), QString("POLYGON D A B C A"));
    EXPECT_EQ(anweisungsListe.size(), 3u);
    EXPECT_NE(finde(punktListe, "C"), nullptr);

    for (int i = 0; i < 40 && eingabe->isUndoAvailable(); ++i) {
        QTest::keyClick(eingabe, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(anweisungsListe.size(), 3u) << i;
    }
    EXPECT_EQ(eingabe->text(), QString("PUNKT C 0 1 0"));
    QTest::keyClick(eingabe, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(anweisungsListe.size(), 2u);
    EXPECT_EQ(finde(punktListe, "C"), nullptr);
}

// Escape, closing a question, and Return, which may have been meant for the input line, answer
// with its declining button: nothing is changed. The declining button is the last, and the
// default; the affirmative one comes first.
TEST_F(HauptfensterTest, EscapeUndEingabetasteAntwortenMitDerAblehnendenTaste) {
    for (const char* s : {"PUNKT A 1 2 3", "PUNKT B 4 5 6", "PUNKT C 7 8 9"}) tippen(s);
    const std::vector<std::string> liste = anweisungsListe;
    auto klick = [this](const char* name) {
        QTest::mouseClick(fenster->findChild<QAbstractButton*>(name), Qt::LeftButton);
    };
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    std::ofstream(QFile::encodeName(ordner.filePath("andere.qdl")).toStdString()) << "PUNKT S 0 0 1&";

    for (const Qt::Key taste : {Qt::Key_Escape, Qt::Key_Return}) {
        SCOPED_TRACE(taste == Qt::Key_Escape ? "Escape" : "Return");
        std::shared_ptr<Antwort> antwort;
        // The question was seen and declined, its affirmative answer first.
        const auto abgelehnt = [&](const QStringList& knoepfe) {
            ASSERT_TRUE(antwort->gesehen);
            EXPECT_FALSE(antwort->offenGeblieben);
            EXPECT_EQ(antwort->knoepfe, knoepfe);
            EXPECT_EQ(antwort->vorgabe, knoepfe.back());
        };

        antwort = mitTaste(taste);
        klick("quitB");
        abgelehnt({"Ja, Beenden", "Lieber doch noch nicht"});
        antwort = mitTaste(taste);
        fenster->close();
        abgelehnt({"Ja, Beenden", "Lieber doch noch nicht"});
        EXPECT_FALSE(fenster->beendet);
        EXPECT_TRUE(fenster->isVisible());

        antwort = mitTaste(taste);
        klick("neustart");
        abgelehnt({"Trotzdem Neustart", "Lieber doch nicht"});
        EXPECT_NE(finde(punktListe, "A"), nullptr);

        tafel->selectRow(0);
        eingabe->setText("PUNKT Z 0 0 0");
        antwort = mitTaste(taste);
        klick("editB");
        abgelehnt({"JA", "Lieber doch nicht."});
        tafel->selectRow(1);
        antwort = mitTaste(taste);
        klick("loeschB");
        abgelehnt({"JA", "Lieber doch nicht."});

        // The list editing's question has three buttons; the third is "Abbruch".
        antwort = mitTaste(taste);
        tippen("ENTFERNEN 2 3");
        abgelehnt({"Deaktivieren", "Löschen", "Abbruch"});
        antwort = mitTaste(taste);
        tippen("FIXIEREN");
        abgelehnt({"JA, alles Anpassen", "Abbrechen"});
        // Loading over the unsaved list asks about loading, not about a restart.
        fenster->festerPfad = QFile::encodeName(ordner.filePath("andere.qdl")).toStdString();
        antwort = mitTaste(taste);
        klick("LadeB");
        abgelehnt({"Trotzdem laden", "Lieber doch nicht"});
        EXPECT_EQ(antwort->frage,
                  QString("Die Anweisungsliste hat Änderungen, die in keiner Datei gesichert sind. Trotzdem laden?"));
        fenster->festerPfad.reset();
        EXPECT_EQ(anweisungsListe, liste);

        // The answers are the titles of the declining buttons, not a failed question.
        antwort = mitTaste(taste);
        EXPECT_EQ(fenster->auswahl("Wirklich?", "JA", "Lieber doch nicht."), "Lieber doch nicht.");
        antwort = mitTaste(taste);
        EXPECT_EQ(auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Abbruch");
    }
}

// Tab walks from the input line to the table, the buttons and the drawing view's controls and
// back; on its way it selects no row and leaves the typed text alone.
TEST_F(HauptfensterTest, TabGehtDurchEingabeTabelleUndKnoepfe) {
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    for (const char* s : {"PUNKT A 1 2 3", "PUNKT B 4 5 6", "PUNKT C 7 8 9"}) tippen(s);
    eingabe->setText("PUNKT X 1 1 1");
    eingabe->setFocus();
    QList<QWidget*> besucht;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        besucht << QApplication::focusWidget();
        EXPECT_TRUE(tafel->selectionModel()->selectedRows().isEmpty()) << i;
        EXPECT_EQ(eingabe->text(), QString("PUNKT X 1 1 1")) << i;
        if (besucht.back() == eingabe) break;
    }
    ASSERT_GE(besucht.size(), 3);
    EXPECT_EQ(besucht[0], tafel);
    // The edit buttons are hidden while no row is selected: the replay button comes next.
    EXPECT_EQ(besucht[1]->objectName(), QString("execB"));
    EXPECT_EQ(besucht.back(), eingabe);
    QStringList namen;
    for (QWidget* w : besucht) namen << w->objectName();
    for (const char* name : {"letztenSchrittLoeschen", "help", "btnFileSave", "LadeB", "SpeicherB", "neustart", "quitB",
                             "suchFeld", "farbWahlB", "dismiss", "linieUpDown"})
        EXPECT_TRUE(namen.contains(name)) << name;
    EXPECT_FALSE(besucht.contains(ausgabe));

    // Shift+Tab goes back the same way.
    QTest::keyClick(eingabe, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), tafel);
    QTest::keyClick(tafel, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), eingabe);
    EXPECT_TRUE(tafel->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(eingabe->text(), QString("PUNKT X 1 1 1"));
}

// The title names the list as the next save proposes it: the name it was saved under, kept by
// a load, and the name that a replay finds in the list's first line.
TEST_F(HauptfensterTest, TitelZeigtDenNamenDerListe) {
    EXPECT_EQ(fenster->windowTitle(), QString("Letztstand – Quodral"));
    tippen("PUNKT A 1 2 3");
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    {
        QObject hueter;
        const auto gesehen = dateiWaehlen(&hueter, ordner.path(), {"Würfel"});
        QTest::mouseClick(fenster->findChild<QAbstractButton*>("btnFileSave"), Qt::LeftButton);
        EXPECT_EQ(*gesehen, 1);
    }
    EXPECT_TRUE(QFileInfo::exists(ordner.filePath("Würfel.qdl")));
    EXPECT_EQ(fenster->windowTitle(), QString("Würfel – Quodral"));

    std::ofstream(QFile::encodeName(ordner.filePath("andere.qdl")).toStdString()) << "* Pyramide&PUNKT S 0 0 1&";
    {
        QObject hueter;
        const auto gesehen = dateiWaehlen(&hueter, ordner.path(), {"andere.qdl"});
        QTest::mouseClick(fenster->findChild<QAbstractButton*>("LadeB"), Qt::LeftButton);
        EXPECT_EQ(*gesehen, 1);
    }
    ASSERT_EQ(anweisungsListe.size(), 2u);
    EXPECT_EQ(fenster->windowTitle(), QString("Würfel – Quodral"));

    QTest::mouseClick(fenster->findChild<QAbstractButton*>("execB"), Qt::LeftButton);
    EXPECT_EQ(fenster->windowTitle(), QString("Pyramide – Quodral"));
}

// The file dialogs open in the user's home folder, later in the folder last used for a list,
// never in the folder the program was started from.
TEST_F(HauptfensterTest, DateidialogeOeffnenImZuletztBenutztenOrdner) {
    QTemporaryDir start;
    QTemporaryDir listen;
    ASSERT_TRUE(start.isValid() && listen.isValid());
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(start.path());
    QObject hueter;

    auto blick = dialogAnsehen(&hueter);
    EXPECT_FALSE(fenster->oeffnenDialog().has_value());
    ASSERT_TRUE(blick->gesehen);
    EXPECT_EQ(blick->ordner, kanonisch(QDir::homePath()));

    {
        QObject waehler;   // ends the choosing with this save
        const auto gesehen = dateiWaehlen(&waehler, listen.path(), {"liste"});
        EXPECT_TRUE(fenster->speicherDialog("Letztstand").has_value());
        EXPECT_EQ(*gesehen, 1);
    }
    for (const bool speichern : {false, true}) {
        blick = dialogAnsehen(&hueter);
        EXPECT_FALSE((speichern ? fenster->speicherDialog("Letztstand") : fenster->oeffnenDialog()).has_value());
        ASSERT_TRUE(blick->gesehen);
        EXPECT_EQ(blick->ordner, kanonisch(listen.path())) << speichern;
    }
    QDir::setCurrent(vorher);
}

// With Qt's translations installed, the file dialogs are German throughout: the columns of the
// file list and the buttons that the window does not title itself; shortcuts are named the
// German way.
TEST_F(HauptfensterTest, DateidialogeSprechenDeutsch) {
    if (!qtDeutsch())
        GTEST_SKIP() << "Qt's German translations are not installed (Debian package qt6-translations-l10n); the "
                        "file dialogs show only the window's own German labels.";
    QObject hueter;
    auto blick = dialogAnsehen(&hueter);
    fenster->oeffnenDialog();
    ASSERT_TRUE(blick->gesehen);
    EXPECT_EQ(blick->spalten, QStringList({"Name", "Größe", "Typ", "Änderungsdatum"}));
    for (const char* text : {"Laden.", "Abbrechen", "Zurück", "Neuen Ordner erstellen"})
        EXPECT_TRUE(blick->knoepfe.contains(text)) << text << " in " << blick->knoepfe.join(", ").toStdString();

    blick = dialogAnsehen(&hueter);
    fenster->speicherDialog("Letztstand");
    ASSERT_TRUE(blick->gesehen);
    EXPECT_TRUE(blick->knoepfe.contains("Speichern"));
    EXPECT_TRUE(fenster->findChild<QPushButton*>("btnFileSave")->toolTip().contains("Strg+S"));
}

// A failed file access is explained in German, whatever language the system speaks.
TEST_F(HauptfensterTest, DateifehlerAufDeutsch) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    fenster->festerPfad = QFile::encodeName(ordner.filePath("fehlt/liste.qdl")).toStdString();
    QTest::mouseClick(fenster->findChild<QAbstractButton*>("btnFileSave"), Qt::LeftButton);
    EXPECT_EQ(ausgabe->toPlainText(),
              QString("FEHLER: \n\nDie Datei konnte nicht gespeichert werden: Datei oder Verzeichnis nicht gefunden."));

    QDir(ordner.path()).mkdir("ordner.qdl");
    fenster->festerPfad = QFile::encodeName(ordner.filePath("ordner.qdl")).toStdString();
    QTest::mouseClick(fenster->findChild<QAbstractButton*>("LadeB"), Qt::LeftButton);
    EXPECT_EQ(ausgabe->toPlainText(),
              QString("FEHLER: \n\nDie Datei konnte nicht gelesen werden: Ist ein Verzeichnis."));
}

}  // namespace
}  // namespace quodral
