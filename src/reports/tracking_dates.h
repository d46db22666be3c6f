#pragma once

#include <QDate>
#include <QString>

namespace reports {

// A date as the platform's short date text, as the tracking windows show and print it.
QString short_date(const QDate& date);

}  // namespace reports
