#pragma once
// The program's main window: the input line, the output text, the statement table, the edit
// buttons and the window's buttons. It turns widget events into calls of its ViewController
// and gives the controller what it asks of a window (questions, dialogs, beep, exit).

#include <QAbstractTableModel>
#include <QMainWindow>

#include "app/Fenster.h"
#include "app/ViewController.h"

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace quodral {

// The statement list as a table of one column: row n shows "n. " and the statement.
class AnweisungsModell : public QAbstractTableModel {
    Q_OBJECT
public:
    AnweisungsModell(const ViewController& steuerung, QObject* parent);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The rows are read anew; views lose their selection.
    void neuLaden();

private:
    const ViewController& steuerung_;
};

class Hauptfenster : public QMainWindow, public Fenster {
    Q_OBJECT
public:
    explicit Hauptfenster(QWidget* parent = nullptr);
    ~Hauptfenster() override;

    ViewController& steuerung() { return steuerung_; }

    // The row that holds the command area; the drawing view takes its place beside it.
    QHBoxLayout* hauptzeile() const { return hauptzeile_; }

    // What the controller asks of its window.
    std::string eingabeLesen() override;
    void eingabeSetzen(const std::string& text) override;
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

protected:
    // The window manager's close request goes through the quit question.
    void closeEvent(QCloseEvent* ereignis) override;

private:
    std::string frage(const std::string& text, const std::vector<std::string>& optionen);
    void auswahlGeaendert();

    ViewController steuerung_;
    AnweisungsModell* modell_ = nullptr;
    QLineEdit* eingabe_ = nullptr;
    QPlainTextEdit* ausgabe_ = nullptr;
    QTableView* tafel_ = nullptr;
    QWidget* editGruppe_ = nullptr;
    QHBoxLayout* hauptzeile_ = nullptr;
};

}  // namespace quodral
