// Long work in the main window: the replay of a list shows its progress in a modal dialog
// (here at once; the window waits half a second), and the dialog's "Abbrechen" stops the replay
// after the line running, with an answer that says so.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/Zuruecksetzen.h"
#include "model/Objekte.h"
#include "shell/Hauptfenster.h"

namespace quodral {
namespace {

// Records what the progress dialog shows when it opens and, when asked to, presses its
// "Abbrechen" as soon as the window handles events again.
struct Beobachter : QObject {
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        auto* dialog = qobject_cast<QProgressDialog*>(objekt);
        if (dialog == nullptr || ereignis->type() != QEvent::Show) return false;
        gesehen << (dialog->windowModality() == Qt::WindowModal ? "modal: " : "") + dialog->findChild<QLabel*>()->text();
        for (QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>()) {
            gesehen << knopf->text();
            if (abbrechen) QMetaObject::invokeMethod(knopf, &QAbstractButton::click, Qt::QueuedConnection);
        }
        return false;
    }
    bool abbrechen = false;
    QStringList gesehen;
};

struct LangeArbeit : ::testing::Test {
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

TEST_F(LangeArbeit, WiederholungZeigtFortschrittUndLaesstSichAbbrechen) {
    Hauptfenster fenster;
    fenster.fortschrittZeigenNach(std::chrono::milliseconds(0));
    fenster.show();
    Beobachter beobachter;
    qApp->installEventFilter(&beobachter);
    for (int i = 0; i < 30; ++i) anweisungsListe.push_back("PUNKT P" + std::to_string(i) + " " + std::to_string(i) + " 0 0");
    const auto ausgabe = [&] { return fenster.findChild<QPlainTextEdit*>("ausgabe")->toPlainText().toStdString(); };
    QAction* ausfuehren = fenster.findChild<QAction*>("execB");

    ausfuehren->trigger();
    EXPECT_EQ(beobachter.gesehen,
              QStringList({"modal: Die Anweisungsliste wird ausgeführt: Zeile 1 von 30", "Abbrechen"}));
    EXPECT_EQ(ausgabe(), " ");
    EXPECT_NE(finde(punktListe, "P29"), nullptr);
    EXPECT_TRUE(fenster.findChildren<QProgressDialog*>().isEmpty());

    // "Abbrechen" while line 1 runs: line 1 has built its point, the others have not run.
    beobachter.abbrechen = true;
    ausfuehren->trigger();
    EXPECT_TRUE(ausgabe().starts_with(" Abgebrochen nach Zeile 1 von 30:")) << ausgabe();
    EXPECT_NE(finde(punktListe, "P0"), nullptr);
    EXPECT_EQ(finde(punktListe, "P1"), nullptr);
    EXPECT_EQ(anweisungsListe.size(), 30u);
    EXPECT_TRUE(fenster.findChildren<QProgressDialog*>().isEmpty());
    qApp->removeEventFilter(&beobachter);
}

}  // namespace
}  // namespace quodral
