#include "toolkit/Languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace
{

// Where the build puts the program's own translations, one "qzeditor_<language>.qm" each.
const QString OwnTranslations = u":/i18n"_s;

// The user's languages in the order chosen, as LANGUAGE ("de:fr") or LC_MESSAGES gives them: the
// first that is English or has a translation.
QLocale ChosenLanguage()
{
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        const QString code = QLocale::languageToCode(language.language());
        if (language.language() == QLocale::English ||
            QFile::exists(u"%1/qzeditor_%2.qm"_s.arg(OwnTranslations, code)))
            return language;
    }
    return QLocale(QLocale::English);
}

void Install(const QLocale& language, const QString& sName, const QString& sFolder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(language, sName, u"_"_s, sFolder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void UseSystemLanguage()
{
    const QLocale language = ChosenLanguage();
    if (language.language() == QLocale::English)
        return;
    Install(language, u"qzeditor"_s, OwnTranslations);
    Install(language, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
