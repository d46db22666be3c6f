#include "tracking_dates.h"

#include <QLocale>

namespace reports {

QString short_date(const QDate& date) {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

}  // namespace reports
