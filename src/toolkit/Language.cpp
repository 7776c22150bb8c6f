#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tk {

namespace {
QTranslator& own()
{
    static QTranslator* t = new QTranslator(qApp);
    return *t;
}
QTranslator& qts()
{
    static QTranslator* t = new QTranslator(qApp);
    return *t;
}
// The program's own translation for `locale`, compiled in by lrelease.
bool loadOwn(QTranslator& t, const QLocale& locale)
{
    return t.load(locale, QStringLiteral("quorvane"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}
} // namespace

void useLanguage(const QLocale& locale)
{
    QCoreApplication::removeTranslator(&own());
    QCoreApplication::removeTranslator(&qts());
    // An English locale finds no file and keeps the sources' text.
    if (!loadOwn(own(), locale))
        return;
    QCoreApplication::installTranslator(&own());
    // Where Debian's Qt translations are not installed, Yes and No stay English.
    if (qts().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qts());
}

QString translatedEarly(const char* context, const char* text)
{
    QTranslator early;
    QString translated;
    if (loadOwn(early, QLocale::system()))
        translated = early.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString language()
{
    return QCoreApplication::instance() && !own().isEmpty() ? own().language().section(u'_', 0, 0) : QString();
}

} // namespace tk
