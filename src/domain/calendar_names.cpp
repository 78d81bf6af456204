#include "domain/calendar_names.h"

QString MonthName(int month)
{
    static const char *names[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                                  "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

QString WeekdayName(int dayOfWeek)
{
    static const char *names[] = {"Segunda-Feira", "Terça-Feira", "Quarta-Feira", "Quinta-Feira",
                                  "Sexta-Feira",   "Sábado",      "Domingo"};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(names[dayOfWeek - 1]) : QString();
}
