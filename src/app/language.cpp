#include "app/language.h"

#include <QFile>
#include <QTranslator>

#include "calibration/calibration.h"
#include "context/paths.h"

void loadLanguage(QTranslator &translator, Calibration &context)
{
    bool found = false;
    // Probed from the last language to the first, so that each hit overrides the previous one
    // and English, probed last, wins whenever it is there.
    for (int language = Paths::languageCount - 1; language >= 0; --language) {
        const QString path = Paths::languageFile(language, Paths::translationFile(language));
        if (QFile::exists(path) && translator.load(path)) {
            context.setLanguage(language);
            found = true;
        }
    }
    if (!found)
        context.setLanguage(0);
}
