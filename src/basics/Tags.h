#pragma once
#include <QString>

// Numbers as the controls carry them in text.
namespace tags {

// Numeric value of a text: leading blanks skipped, then an optional sign and
// digits; anything else ends the number. "" and "abc" read 0.
int val(const QString& text);

// i with a blank where a minus sign would stand: " 7"; "-1" for -1.
QString blankLed(int i);

// Plain digits for what the player reads: "6", "16".
QString digits(int i);

} // namespace tags
