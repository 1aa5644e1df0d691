#pragma once
// The application object of the benchmark program, made once at its start (Anwendung.cpp).

class QApplication;

namespace quodral::bench {

// The program's application object; made at the start of the program, before every figure
// but those measured without it.
QApplication& anwendung();

}  // namespace quodral::bench
