#pragma once
#include <QLocale>
#include <QString>

namespace tk {

// Speaks the language of `locale` where the program has a translation for
// it, with Qt's own for its dialogs' buttons; otherwise the English of the
// sources, for C, POSIX or a language not shipped. Needs the application.
void useLanguage(const QLocale& locale = QLocale::system());

// The language in use, "de", or empty for English.
QString language();

// A text marked with QT_TRANSLATE_NOOP in the desktop's language, before
// the application and its translators exist.
QString translatedEarly(const char* context, const char* text);

} // namespace tk
