#include "shell/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quodral {

bool qtAufDeutsch(QCoreApplication& anwendung) {
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto* uebersetzung = new QTranslator(&anwendung);
    if (!uebersetzung->load(deutsch, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    anwendung.installTranslator(uebersetzung);
    return true;
}

}  // namespace quodral
