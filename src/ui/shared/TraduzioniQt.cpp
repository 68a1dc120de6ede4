#include "TraduzioniQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace morella::ui {

std::vector<std::unique_ptr<QTranslator>> CaricaTraduzioniQt()
{
    std::vector<std::unique_ptr<QTranslator>> installati;
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    for (const char* modulo : {"qtbase", "qtmultimedia"}) {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(italiano, QString::fromLatin1(modulo), QStringLiteral("_"), cartella)) continue;
        if (QCoreApplication::installTranslator(t.get())) installati.push_back(std::move(t));
    }
    return installati;
}

}  // namespace morella::ui
