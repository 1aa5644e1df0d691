#include "app/Hauptfenster.h"

namespace quodral {

Hauptfenster::Hauptfenster(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Quodral");
}

}  // namespace quodral
