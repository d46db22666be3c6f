#include "phone_list.h"

#include "platform/printer.h"
#include "printing/household_pass.h"

namespace printing::phone_list {

QString name_text(const RecordImage& h) {
    QString text = h.lastname1 + QStringLiteral(", ") + h.firstname1;
    if (h.firstname2.isEmpty()) return text;
    text += QStringLiteral(" & ") + h.firstname2;
    if (h.lastname1 != h.lastname2) text += QLatin1Char(' ') + second_surname(h);
    return text;
}

std::array<QString, 6> format_phone_numbers(const RecordImage& h) {
    const bool two = !h.firstname2.isEmpty();
    auto slot = [](const QString& label, const QString& number) {
        return number.isEmpty() ? QString() : label + number;
    };
    const std::array<QString, 6> built = {
        QString(),
        slot(QStringLiteral("HOME: "), h.home_phone),
        slot(two ? h.firstname1 + QStringLiteral("'S WORK: ") : QStringLiteral("WORK: "),
             h.work_phone1),
        slot(two ? h.firstname1 + QStringLiteral("'S CELL: ") : QStringLiteral("CELL: "),
             h.cell_phone1),
        two ? slot(h.firstname2 + QStringLiteral("'S WORK: "), h.work_phone2) : QString(),
        two ? slot(h.firstname2 + QStringLiteral("'S CELL: "), h.cell_phone2) : QString(),
    };
    std::array<QString, 6> packed{};
    int next = 1;
    for (int k = 1; k <= 5; ++k)
        if (!built[k].isEmpty()) packed[next++] = built[k];
    return packed;
}

std::vector<EntryLine> entry_lines(const RecordImage& h, bool numbers_only) {
    const std::array<QString, 6> phone = format_phone_numbers(h);
    if (phone[1].isEmpty()) {
        if (numbers_only) return {};
        return {{name_text(h), QString(), QString()}};
    }
    std::vector<EntryLine> lines{{name_text(h), phone[1], phone[2]}};
    if (!phone[3].isEmpty()) lines.push_back({QString(), phone[3], phone[4]});
    if (!phone[5].isEmpty()) lines.push_back({QString(), phone[5], QString()});
    return lines;
}

}  // namespace printing::phone_list

namespace printing {

PrintResult print_phone_list(const PrintRequest& request) {
    if (auto refused = refused_choices(request, OutputType::PhoneList)) return *refused;
    PrintResult result;
    platform::Printer& p = platform::printer();
    visit_households(request, [&](const RecordImage& h) {
        const auto lines = phone_list::entry_lines(h, request.numbers_only);
        if (lines.empty()) return;
        ++result.printed;
        p.set_ScaleMode(platform::kScaleTwips);
        p.set_FontName(QStringLiteral("News Gothic MT"));
        p.set_FontSize(8.28);
        p.Print();
        for (const phone_list::EntryLine& l : lines)
            p.Print({platform::Tab(phone_list::kNameColumn), l.name,
                     platform::Tab(phone_list::kFirstNumberColumn), l.first,
                     platform::Tab(phone_list::kSecondNumberColumn), l.second});
    });
    p.EndDoc();
    result.message = printed_of_records(result.printed, request);
    result.clear_categories = request.choice != RecordChoice::ByCategory;
    return result;
}

}  // namespace printing
