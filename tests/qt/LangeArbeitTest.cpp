// Long work in the main window: the replay of a list shows its progress in a modal dialog from
// the first moment of the work, while the list is still being prepared (here at once; the window
// waits a quarter of a second), and the dialog's "Abbrechen" stops the replay, with an answer
// that says so.

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
        // Whether the dialog came before the replay's first line ran.
        vorDerErstenZeile = finde(punktListe, "P0") == nullptr;
        for (QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>()) {
            gesehen << knopf->text();
            if (abbrechen) QMetaObject::invokeMethod(knopf, &QAbstractButton::click, Qt::QueuedConnection);
        }
        return false;
    }
    bool abbrechen = false;
    bool vorDerErstenZeile = false;
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
              QStringList({"modal: Die Anweisungsliste wird zur Ausführung vorbereitet: 30 Zeilen", "Abbrechen"}));
    EXPECT_TRUE(beobachter.vorDerErstenZeile);
    EXPECT_EQ(ausgabe(), " ");
    EXPECT_NE(finde(punktListe, "P29"), nullptr);
    EXPECT_TRUE(fenster.findChildren<QProgressDialog*>().isEmpty());

    // "Abbrechen" while the list is prepared: the old scene is gone, no line has run.
    beobachter.abbrechen = true;
    ausfuehren->trigger();
    EXPECT_TRUE(ausgabe().starts_with(" Abgebrochen vor Zeile 1 von 30:")) << ausgabe();
    EXPECT_EQ(finde(punktListe, "P29"), nullptr);
    EXPECT_EQ(anweisungsListe.size(), 30u);
    EXPECT_TRUE(fenster.findChildren<QProgressDialog*>().isEmpty());
    qApp->removeEventFilter(&beobachter);
}

TEST_F(LangeArbeit, LangeListeZeigtDenDialogSchonBeimVorbereiten) {
    // A list whose preparation (rewriting, taking in, checking) takes far longer than the window
    // waits: the dialog comes while the list is prepared, not once its first line has run, and
    // stops the preparation where it stands.
    Hauptfenster fenster;
    fenster.show();
    Beobachter beobachter;
    beobachter.abbrechen = true;
    qApp->installEventFilter(&beobachter);
    for (int i = 0; i < 300000; ++i) anweisungsListe.push_back("PUNKT P" + std::to_string(i) + " 1 2 3");
    fenster.findChild<QAction*>("execB")->trigger();
    qApp->removeEventFilter(&beobachter);
    ASSERT_FALSE(beobachter.gesehen.isEmpty());
    EXPECT_EQ(beobachter.gesehen.front(), "modal: Die Anweisungsliste wird zur Ausführung vorbereitet: 300000 Zeilen");
    EXPECT_TRUE(beobachter.vorDerErstenZeile);
    EXPECT_EQ(finde(punktListe, "P0"), nullptr);
}

}  // namespace
}  // namespace quodral
