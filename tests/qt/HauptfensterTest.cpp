// The main window with its real widgets: typing a statement, selecting a table row, the
// questions and the window manager's close request.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "shell/Hauptfenster.h"
#include "app/Zuruecksetzen.h"
#include "model/Objekte.h"

namespace quodral {
namespace {

// A main window whose confirmed quit is only recorded, so that the test process lives on.
class TestHauptfenster : public Hauptfenster {
public:
    void prozessBeenden() override { beendet = true; }
    bool beendet = false;
};

// Calls `schritt` every 10 ms, while the modal dialogs of the test run their own event loops,
// until it reports that it is done or three seconds have passed. The polling lives at most as
// long as `eltern`.
void abfragen(QObject* eltern, const std::function<bool()>& schritt) {
    auto* zeitgeber = new QTimer(eltern);
    zeitgeber->setInterval(10);
    auto versuche = std::make_shared<int>(0);
    QObject::connect(zeitgeber, &QTimer::timeout, [=] {
        if (!schritt() && ++*versuche < 300) return;
        zeitgeber->stop();
        zeitgeber->deleteLater();
    });
    zeitgeber->start();
}

// Answers the next modal question as soon as it shows: presses the button titled `titel`,
// or, for an empty title, closes the question without any button. Records what it saw.
struct Antwort {
    QString frage;
    QStringList knoepfe;
    bool gesehen = false;
};

std::shared_ptr<Antwort> beantworte(const QString& titel, bool kuerzelEinfuegen = false) {
    auto antwort = std::make_shared<Antwort>();
    abfragen(nullptr, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return false;
        antwort->gesehen = true;
        antwort->frage = box->text();
        QAbstractButton* gewaehlt = nullptr;
        for (QAbstractButton* knopf : box->buttons()) {
            const QString text = knopf->text().remove('&');
            antwort->knoepfe << text;
            if (text == titel) gewaehlt = knopf;
        }
        if (gewaehlt == nullptr) {
            box->reject();
            return true;
        }
        // As a style that adds keyboard shortcuts does: the title changes, the button not.
        if (kuerzelEinfuegen)
            for (QAbstractButton* knopf : box->buttons()) knopf->setText("&" + knopf->text());
        gewaehlt->click();
        return true;
    });
    return antwort;
}

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
    EXPECT_FALSE(fenster->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    // The command area and the drawing view together fit a 1366 × 768 screen.
    EXPECT_LE(fenster->frameGeometry().width(), 1366);
    EXPECT_LE(fenster->frameGeometry().height(), 768);
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

    // Replacing the row: the question names the old and the new text; "JA" stores it as typed.
    eingabe->setText("PUNKT  B  0 0 1");
    const auto antwort = beantworte("JA");
    QTest::mouseClick(fenster->findChild<QAbstractButton*>("editB"), Qt::LeftButton);
    ASSERT_TRUE(antwort->gesehen);
    EXPECT_TRUE(antwort->frage.contains("Würfel"));
    EXPECT_EQ(antwort->knoepfe, QStringList({"JA", "Lieber doch nicht."}));
    EXPECT_EQ(anweisungsListe[1], "PUNKT  B  0 0 1");
    EXPECT_EQ(tafel->model()->index(1, 0).data().toString(), QString("2. PUNKT  B  0 0 1"));
    EXPECT_FALSE(editKnoepfe->isVisible());
    // The reload cleared the selection.
    EXPECT_TRUE(tafel->selectionModel()->selectedRows().isEmpty());
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

TEST_F(HauptfensterTest, NeustartAntwortetMitStartInDerEingabe) {
    tippen("PUNKT A 1 2 3");
    const auto antwort = beantworte("Trotzdem Neustart");
    QTest::mouseClick(fenster->findChild<QAbstractButton*>("neustart"), Qt::LeftButton);
    ASSERT_TRUE(antwort->gesehen);
    EXPECT_EQ(eingabe->text(), QString("Start"));
    EXPECT_EQ(tafel->model()->rowCount(), 0);
    EXPECT_TRUE(ausgabe->toPlainText().isEmpty());
    EXPECT_EQ(finde(punktListe, "A"), nullptr);
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

}  // namespace
}  // namespace quodral
