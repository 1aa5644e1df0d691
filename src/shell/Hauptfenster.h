#pragma once
// The program's main window: the input line, the output text, the statement table, the edit
// buttons, the window's buttons and a menu that offers the same actions with the usual
// shortcuts. It turns widget events into calls of its ViewController and gives the controller
// what it asks of a window (questions, dialogs, beep, exit).

#include <QElapsedTimer>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Fenster.h"
#include "app/ViewController.h"

class QAction;
class QFileInfo;
class QLineEdit;
class QProgressDialog;
class QTableView;

namespace quodral {

class AnweisungsModell;
class Antwortfeld;
class GrafikWidget;

class Hauptfenster : public QMainWindow, public Fenster {
    Q_OBJECT
public:
    explicit Hauptfenster(QWidget* parent = nullptr);
    ~Hauptfenster() override;

    // What the controller asks of its window.
    std::string eingabeLesen() override;
    void eingabeSetzen(const std::string& text) override;
    void eingabeAnbieten(const std::string& text) override;
    void ausgabeSetzen(const std::string& text) override;
    void editKnoepfeZeigen(bool sichtbar) override;
    void tabelleNeuLaden() override;
    void piepen() override;
    std::string auswahl(const std::string& frage, const std::string& option1, const std::string& option2) override;
    std::string auswahlAus3(const std::string& frage, const std::string& option1, const std::string& option2,
                            const std::string& option3) override;
    std::optional<std::string> speicherDialog(const std::string& vorschlag) override;
    std::optional<std::string> oeffnenDialog() override;
    void prozessBeenden() override;
    void neuZeichnen() override;
    void konsolenzeile(const std::string& zeile) override;
    void langeArbeitBeginnt(std::size_t schritte) override;
    bool weiterArbeiten(std::size_t erledigt) override;
    void langeArbeitEndet() override;

    // How long work runs before its progress dialog shows (a quarter of a second, so that the
    // dialog is seen within half a second of the click; tests show it at once).
    void fortschrittZeigenNach(std::chrono::milliseconds wartezeit) { fortschrittNach_ = wartezeit; }

protected:
    // The window manager's close request goes through the quit question.
    void closeEvent(QCloseEvent* ereignis) override;
    // Leaves Ctrl+Z to a text field only while it has editing to undo, its text erased
    // included; otherwise the key undoes the last step of the list.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::string frage(const std::string& text, const std::vector<std::string>& optionen);
    // After a dialog the window is the active one again, with the keyboard in the widget that
    // had it before (the input line where that one is gone): the window's shortcuts work at
    // once, also where no window manager hands the window its activation back.
    void tastaturZurueckgeben(const QPointer<QWidget>& vorher);
    void auswahlGeaendert();
    // The edit buttons show exactly while a row is selected.
    void editKnoepfeAbgleichen();
    // The input line's text has been taken by a statement or a replacement: the typing that
    // made it is no more typing to undo.
    void eingabeUebernommen();
    // Runs one of the window's actions, then shows the list name that it may have changed.
    void ausfuehren(const std::function<void()>& aktion);
    void titelAktualisieren();
    // One of the window's actions as a QAction (for the menu and the shortcut) with the
    // controller's operation behind it.
    QAction* aktionAnlegen(const QString& name, const QString& titel, const QList<QKeySequence>& kuerzel,
                           void (ViewController::*was)());
    void menueAnlegen();
    void tabReihenfolgeSetzen();
    // The size and place in which the window opens on its screen.
    void groesseWaehlen();
    // The file chosen in a list dialog, when it is a statement list (.qdl; its folder is then
    // the one the next dialog opens in). Otherwise a beep, and `ordner` is set to its folder
    // for asking again.
    std::optional<std::string> gewaehlteListe(const QFileInfo& datei, QString& ordner);

    // Shows a text in the output at once.
    void ausgabeZeigen(const std::string& text);
    // Shows the text an action has set, if it set one.
    void ausgabeNachholen();

    ViewController steuerung_;
    AnweisungsModell* modell_ = nullptr;
    QLineEdit* eingabe_ = nullptr;
    Antwortfeld* ausgabe_ = nullptr;
    QTableView* tafel_ = nullptr;
    QWidget* editGruppe_ = nullptr;
    GrafikWidget* grafik_ = nullptr;
    // While an action runs (depth > 0), the text it set last, shown when it is done.
    int ausgabeSammeln_ = 0;
    std::optional<std::string> ausgabeWartend_;
    // The folder in which the next file dialog opens: the one last used for a list, at first
    // the user's home folder (never the folder the program was started from).
    QString dialogOrdner_;
    // The long work running, if any: since when, its number of steps, when the progress was
    // last shown, and the progress dialog once it shows.
    struct Arbeit {
        QElapsedTimer uhr;
        std::size_t schritte = 0;
        qint64 gezeigt = 0;
    };
    std::optional<Arbeit> arbeit_;
    std::unique_ptr<QProgressDialog> fortschritt_;
    QPointer<QWidget> fokusVorDerArbeit_;   // where the keyboard was when the progress dialog showed
    std::chrono::milliseconds fortschrittNach_{250};
};

}  // namespace quodral
