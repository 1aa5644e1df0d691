#pragma once
// The program's main window.

#include <QMainWindow>

namespace quodral {

class Hauptfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit Hauptfenster(QWidget* parent = nullptr);
};

}  // namespace quodral
