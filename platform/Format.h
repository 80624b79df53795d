#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// Number and date texts as the screens show and read them. The program runs
// with the Russian locale (decimal comma, day-first dates) on every host.

// Installs the Russian locale as the program's default, without group separators.
void useRussianLocale();

// General float-to-text: up to 15 significant digits, the locale's decimal separator.
QString FloatToStr(double value);

// Rounds to `decimals` places, ties to the even neighbour (10^d scaling).
double RoundTo(double value, int decimals);

// Reads a number typed with a decimal comma or point; blanks around it are allowed.
bool parseNumber(const QString &text, double *value);

// Display mask such as "#0.00#" or "#0.00": the zeros after the point are
// always shown, the '#' after them only when the value needs them.
QString formatMask(double value, const QString &mask);

// Short date text "dd.MM.yyyy".
QString DateToStr(const QDate &date);

// A database value as a grid or a message shows it.
QString displayText(const QVariant &value, const QString &mask = QString());
