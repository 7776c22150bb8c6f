#include "Tags.h"

namespace tags {

int val(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    int sign = 1;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        sign = text[i] == u'-' ? -1 : 1;
        ++i;
    }
    long value = 0;
    while (i < n && text[i].isDigit() && value < 1000000) {
        value = value * 10 + text[i].digitValue();
        ++i;
    }
    return static_cast<int>(sign * value);
}

QString blankLed(int i)
{
    return i < 0 ? QString::number(i) : u' ' + QString::number(i);
}

QString digits(int i)
{
    return QString::number(i);
}

} // namespace tags
