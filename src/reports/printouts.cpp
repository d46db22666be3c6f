#include "printouts.h"

#include <algorithm>
#include <cmath>

#include "platform/printer.h"

using platform::Tab;

namespace reports {

namespace {

// Tab columns of the tracking printout: heading and invitee lines.
struct TrackingColumns {
    int left = 5;
    int name = 10;
    int page = 80;
    int response_date = 39;
    int party_date = 76;
    int number_heading = 75;
    int answer_heading = 90;
    int number = 79;
    int answer = 96;
    int phone = 110;
};
constexpr TrackingColumns kCol;

void print_tracking_header(platform::Printer& p, const TrackingPrintout& h, int page, int pages) {
    p.set_FontSize(14);
    p.Print({Tab(kCol.left), h.report_name, Tab(kCol.page),
             QStringLiteral("Page %1 Of %2").arg(page).arg(pages)});
    p.Print({QStringLiteral(" ")});
    p.set_FontSize(12);
    p.Print({Tab(kCol.left), QStringLiteral("TODAY'S DATE = ") + h.today, Tab(kCol.response_date),
             QStringLiteral("RESPONSE DATE = ") + h.response_date, Tab(kCol.party_date),
             QStringLiteral("PARTY DATE = ") + h.party_date});
    p.Print({QStringLiteral(" ")});
    p.set_FontSize(10);
    p.Print({Tab(kCol.left), QStringLiteral("#"), Tab(kCol.name), QStringLiteral("INVITEE"),
             Tab(kCol.number_heading), QStringLiteral("NUMBER"), Tab(kCol.answer_heading),
             QStringLiteral("ATTENDING"), Tab(kCol.phone), QStringLiteral("PHONE")});
    p.Print({Tab(kCol.number_heading), QStringLiteral("INVITED")});
}

bool wanted(const TrackingPrintout& h, const QString& response) {
    return (response == QLatin1String("N") && h.no) || (response == QLatin1String("Y") && h.yes) ||
           (response == QLatin1String("?") && h.unanswered);
}

}  // namespace

void print_tracking_report(platform::Printer& p, const TrackingPrintout& heading,
                           const std::vector<common::tracking::InviteeRecord>& invitees) {
    const int rows = int(invitees.size());
    const int pages = std::max(1, (rows + kTrackingRowsPerPage - 1) / kTrackingRowsPerPage);
    p.set_ScaleMode(platform::kScaleInches);
    p.set_FontName(QStringLiteral("Arial"));
    p.set_FontBold(false);
    int page = 1;
    print_tracking_header(p, heading, page, pages);
    // Sixty invitee lines must fit under the heading, as pages are cut every sixty rows: on a
    // printer whose page is too short for them at 10 points, they print just small enough.
    double size = 10;
    const double room = (p.ScaleHeight() - p.CurrentY()) * 0.999;
    if (kTrackingRowsPerPage * p.TextHeight() > room)
        size = std::floor(size * room / (kTrackingRowsPerPage * p.TextHeight()) * 4) / 4;
    p.set_FontSize(size);
    int n = 1;
    for (int i = 1; i <= rows; ++i) {
        const auto& row = invitees[size_t(i - 1)];
        if (wanted(heading, row.response)) {
            const QString phone =
                row.response == QLatin1String("?") ? row.phone : QStringLiteral(" ");
            p.Print({Tab(kCol.left), QString::number(n) + QLatin1Char(')'), Tab(kCol.name),
                     row.name, Tab(kCol.number), row.number, Tab(kCol.answer), row.response,
                     Tab(kCol.phone), phone});
            ++n;
        }
        if (i % kTrackingRowsPerPage == 0 && i < rows) {
            ++page;
            p.NewPage();
            print_tracking_header(p, heading, page, pages);
            p.set_FontSize(size);
        }
    }
    p.EndDoc();
}

void print_category_list(platform::Printer& p, const QString& category_name,
                         const QStringList& lines) {
    p.set_ScaleMode(platform::kScaleInches);
    p.set_FontName(QStringLiteral("Arial"));
    p.set_FontBold(false);
    p.set_FontSize(14);
    p.Print({QStringLiteral("CATEGORY LIST FOR ") + category_name});
    p.Print({QStringLiteral(" ")});
    p.set_FontSize(11);
    for (int i = 0; i < lines.size(); ++i)
        p.Print({QString::number(i + 1) + QStringLiteral(")  ") + lines[i]});
    p.EndDoc();
}

}  // namespace reports
