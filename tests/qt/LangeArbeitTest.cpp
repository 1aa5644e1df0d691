// Long work in the main window: the replay of a list shows its progress in a dialog (here at
// once; the window waits half a second before it), and the dialog's "Abbrechen" stops the
// replay after the line running, with an answer that says so.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "app/Zuruecksetzen.h"
#include "model/Objekte.h"
#include "shell/Hauptfenster.h"

namespace quodral {
namespace {

// Watches the application for the progress dialog: what it shows when it opens, and, when
// asked to, presses its "Abbrechen" as soon as the window handles events again.
class Beobachter : public QObject {
public:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        auto* dialog = qobject_cast<QProgressDialog*>(objekt);
        if (dialog == nullptr || ereignis->type() != QEvent::Show) return false;
        ++gezeigt;
        modal = dialog->windowModality() == Qt::WindowModal && dialog->parentWidget() != nullptr;
        if (auto* text = dialog->findChild<QLabel*>()) beschriftung = text->text();
        for (QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>()) {
            knoepfe << knopf->text();
            if (abbrechen) QMetaObject::invokeMethod(knopf, &QAbstractButton::click, Qt::QueuedConnection);
        }
        return false;
    }
    bool abbrechen = false;
    int gezeigt = 0;
    bool modal = false;
    QString beschriftung;
    QStringList knoepfe;
};

class LangeArbeitTest : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        fenster = std::make_unique<Hauptfenster>();
        fenster->fortschrittZeigenNach(std::chrono::milliseconds(0));
        fenster->show();
        qApp->installEventFilter(&beobachter);
        for (int i = 0; i < 30; ++i) anweisungsListe.push_back("PUNKT P" + std::to_string(i) + " " + std::to_string(i) + " 0 0");
    }
    void TearDown() override {
        qApp->removeEventFilter(&beobachter);
        fenster.reset();
        zustandZuruecksetzen();
    }
    void ausfuehren() { fenster->findChild<QAction*>("execB")->trigger(); }
    QString ausgabe() const { return fenster->findChild<QPlainTextEdit*>("ausgabe")->toPlainText(); }

    Beobachter beobachter;
    std::unique_ptr<Hauptfenster> fenster;
};

TEST_F(LangeArbeitTest, FortschrittZeigtZeileVonAllenUndVerschwindet) {
    ausfuehren();
    EXPECT_EQ(beobachter.gezeigt, 1);
    EXPECT_TRUE(beobachter.modal);
    EXPECT_EQ(beobachter.beschriftung, QString("Die Anweisungsliste wird ausgeführt: Zeile 1 von 30"));
    EXPECT_EQ(beobachter.knoepfe, QStringList{"Abbrechen"});
    // Done: the dialog is gone, every line has run.
    EXPECT_TRUE(fenster->findChildren<QProgressDialog*>().isEmpty());
    EXPECT_EQ(ausgabe(), QString(" "));
    EXPECT_NE(finde(punktListe, "P29"), nullptr);
}

TEST_F(LangeArbeitTest, AbbrechenHaeltNachDerLaufendenZeileAn) {
    beobachter.abbrechen = true;
    ausfuehren();
    EXPECT_EQ(beobachter.gezeigt, 1);
    EXPECT_TRUE(ausgabe().startsWith(" Abgebrochen nach Zeile 1 von 30:")) << ausgabe().toStdString();
    EXPECT_NE(finde(punktListe, "P0"), nullptr);
    EXPECT_EQ(finde(punktListe, "P1"), nullptr);
    EXPECT_EQ(anweisungsListe.size(), 30u);
    EXPECT_TRUE(fenster->findChildren<QProgressDialog*>().isEmpty());
    // The window takes its actions again: the next replay runs to the end.
    beobachter.abbrechen = false;
    ausfuehren();
    EXPECT_EQ(ausgabe(), QString(" "));
    EXPECT_NE(finde(punktListe, "P29"), nullptr);
}

}  // namespace
}  // namespace quodral
