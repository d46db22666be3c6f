#include "address_book.h"

#include "common/display_name.h"
#include "common/records.h"
#include "common/vbstring.h"
#include "platform/application.h"
#include "platform/printer.h"
#include "printing/household_pass.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"

namespace printing::address_book {

QString child_name(const QString& stored, const QString& lastname1) {
    const QString name = common::rtrim(stored);
    return name.contains(QLatin1Char(' ')) ? name : name + QLatin1Char(' ') + lastname1;
}

std::vector<Line> page_lines(const Page& page) {
    const RecordImage& h = page.h;
    std::vector<Line> lines;
    auto big = [&](const QString& text, bool bold = false) {
        lines.push_back({12, bold, text, 0, {}});
    };
    auto small = [&](const QString& text = {}) { lines.push_back({10, false, text, 0, {}}); };

    big(h.lastname1, true);
    big(h.address1);
    if (!h.address2.isEmpty()) big(h.address2);
    big(h.city + QStringLiteral(", ") + h.state + QLatin1Char(' ') + h.zip);
    small(QStringLiteral("HOME PHONE: ") + h.home_phone);
    small(QStringLiteral("HOME FAX:   ") + h.home_fax);
    small();

    // Without a last name 2 the double name is person 1's surname alone, with no hyphen.
    const bool person2 = !h.lastname2.isEmpty();
    const QString name2 =
        h.firstname2 + QLatin1Char(' ') +
        (person2 || h.hyphen != QLatin1String("Y") ? second_surname(h) : h.lastname1);
    lines.push_back(
        {12, true, h.firstname1 + QLatin1Char(' ') + h.lastname1, kSecondPersonColumn, name2});

    struct Row {
        const char* label;
        QString one, two;
        const char* label2;
    };
    const Row rows[] = {
        {"Home Email: ", h.home_email1, h.home_email2, "Home Email: "},
        {"Work Email: ", h.work_email1, h.work_email2, "Work Email: "},
        {"Work Phone: ", h.work_phone1, h.work_phone2, "Work Phone: "},
        {"Cell Phone: ", h.cell_phone1, h.cell_phone2, "Cell Phone:"},
    };
    for (const Row& r : rows) {
        const QString label2 = person2 ? QString::fromLatin1(r.label2) : QString();
        lines.push_back({10, false, QString::fromLatin1(r.label) + r.one, kSecondColumn,
                         label2 + QLatin1Char(' ') + r.two});
    }
    small();

    if (h.number_of_children > 0) {
        small(QStringLiteral("CHILDREN:"));
        for (int i = 1; i <= h.number_of_children; ++i)
            big(child_name(h.child[i], h.lastname1), true);
    }

    if (page.has_second_address) {
        const SecondAddress& s = page.second;
        small();
        small(QStringLiteral("SECONDARY ADDRESS:"));
        small(s.address1);
        if (!s.address2.isEmpty()) small(s.address2);
        small(s.city + QStringLiteral(", ") + s.state + QLatin1Char(' ') + s.zip);
        small(s.phone);
        small(s.fax);
    }

    bool heading = true;
    for (int i = 1; i <= 12; ++i) {
        if (common::is_blank(page.category_names[i]) || h.category_flag[i] != QLatin1String("Y"))
            continue;
        if (heading) {
            small();
            small(QStringLiteral("O.V.R.A. CATEGORIES CHECKED:"));
            heading = false;
        }
        small(page.category_names[i]);
    }
    return lines;
}

bool read_second_address(const QString& record_key, SecondAddress& out) {
    static platform::DataControl::KeyedRead second{
        QStringLiteral("Address"),
        {QStringLiteral("address1"), QStringLiteral("address2"), QStringLiteral("city"),
         QStringLiteral("state"), QStringLiteral("zip"), QStringLiteral("phone"),
         QStringLiteral("fax")},
        {}};
    const QVector<QVariant> row = Data1().row_by_key(second, record_key);
    if (row.isEmpty()) return false;
    auto text = [&row](int i) { return row[i].isNull() ? QString() : row[i].toString(); };
    out = {text(0), text(1), text(2), text(3), text(4), text(5), text(6)};
    return true;
}

}  // namespace printing::address_book

namespace printing {

namespace {

// One household's page, as its own job.
void print_page(platform::Printer& p, const address_book::Page& page) {
    using namespace address_book;
    p.set_ScaleMode(platform::kScaleInches);
    p.set_FontName(QStringLiteral("Times New Roman"));
    p.set_CurrentX(kLeftInches);
    p.set_CurrentY(kTopInches);
    for (const Line& line : page_lines(page)) {
        p.set_FontSize(line.size);
        p.set_FontBold(line.bold);
        if (line.text.isEmpty() && line.tab == 0) {
            p.Print();
            continue;
        }
        p.set_CurrentX(kLeftInches);
        if (line.tab > 0)
            p.Print({line.text, platform::Tab(line.tab), line.tab_text});
        else
            p.Print({line.text});
    }
    p.set_FontSize(10);
    p.set_FontBold(false);
    p.EndDoc();
}

}  // namespace

PrintResult print_address_book(const PrintRequest& request) {
    if (auto refused = refused_choices(request, OutputType::AddressBook)) return *refused;
    PrintResult result;
    address_book::Page page;
    const auto& main = platform::form<frmOVRA>();
    for (int i = 1; i <= 12; ++i) page.category_names[i] = main.heading[i];
    platform::Printer& p = platform::printer();
    visit_households(request, [&](const RecordImage& h) {
        page.h = h;
        page.second = {};
        page.has_second_address = h.second_address_flag == QLatin1String("Y") &&
                                  address_book::read_second_address(h.record_key, page.second);
        ++result.printed;
        print_page(p, page);
    });
    result.message = printed_of_records(result.printed, request);
    result.clear_categories = request.choice != RecordChoice::ByCategory;
    return result;
}

}  // namespace printing
