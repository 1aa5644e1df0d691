#pragma once
// The language of Qt's own texts in the program.

class QCoreApplication;

namespace quodral {

// Installs Qt's own German texts (the file dialogs' columns and buttons, the names of keys in
// shortcuts) and the German locale for what Qt formats itself (sizes and dates in the file
// dialogs). False when Qt's translations are not installed; the dialogs then keep the few
// German labels that the window gives them itself.
bool qtAufDeutsch(QCoreApplication& anwendung);

}  // namespace quodral
