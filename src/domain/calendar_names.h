#pragma once
// Portuguese names of months and weekdays, as the program writes them.
#include <QString>

// "Janeiro" … "Dezembro" for 1 … 12; empty otherwise.
QString MonthName(int month);
// "Segunda-Feira" … "Domingo" for Qt's day of the week 1 (Monday) … 7.
QString WeekdayName(int dayOfWeek);
