#include "label_window_text.h"

#include <algorithm>

namespace reports {

namespace {

const QString kInviteJoin = QStringLiteral("   ");

// Lines 1 to 3 in the Invite sheet's case; line 3 is where the city line stands.
void invite_case(LabelLines& lines) {
    for (int j = 1; j <= 3; ++j) lines[j] = printing::invite_proper_case(lines[j], j == 3);
}

// The address from line 'first' on: address 1, address 2 when there is one, the city line.
void put_address(LabelLines& lines, int first, const LabelAddress& a) {
    lines[first] = a.address1;
    if (a.address2.isEmpty()) {
        lines[first + 1] = city_line(a.city, a.state, a.zip);
    } else {
        lines[first + 1] = a.address2;
        lines[first + 2] = city_line(a.city, a.state, a.zip);
    }
}

QString right_trimmed(QString text) {
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

}  // namespace

int window_line_limit(Sheet sheet) {
    switch (sheet) {
        case Sheet::Shipping:
            return 32;
        case Sheet::Invite:
            return 27;
        default:
            return 33;
    }
}

bool lines_too_long(const LabelLines& lines, Sheet sheet) {
    const int limit = window_line_limit(sheet);
    return std::any_of(lines.begin() + 1, lines.begin() + 4,
                       [limit](const QString& l) { return l.size() > limit; });
}

QStringList listed_label(const LabelLines& lines, bool with_lines_4_and_5) {
    QStringList entries{lines[1], lines[2], lines[3]};
    for (int j = 4; with_lines_4_and_5 && j <= 5; ++j)
        if (!lines[j].isEmpty()) entries << lines[j];
    entries << QString();
    return entries;
}

QString invite_address(const QString& address1, const QString& address2) {
    return address2.isEmpty() ? address1 : address1 + kInviteJoin + address2;
}

QString city_line(const QString& city, const QString& state, const QString& zip) {
    return city + QStringLiteral(", ") + state + QLatin1Char(' ') + zip;
}

printing::CutName split_long_name(const QString& line, int limit) {
    if (line.contains(QLatin1Char('&')) || line.contains(QLatin1Char('-')))
        return printing::cut_name_line(line);
    const QString seven(7, QLatin1Char(' '));
    const qsizetype blank = line.lastIndexOf(QLatin1Char(' '), limit);
    if (blank > 0) return {line.left(blank), seven + line.mid(blank + 1)};
    // One word longer than the line: cut it where the line ends.
    return {line.left(limit), seven + line.mid(limit)};
}

WindowLabel compose_single_label(const printing::RecordImage& h, bool person1, bool title,
                                 Sheet sheet) {
    QString first = h.firstname1, last = h.lastname1, person_title = h.title1;
    if (!person1) {
        first = h.firstname2;
        last = printing::second_surname(h);
        person_title = h.title2;
    }
    // A household whose person 1 has no title prints no titles at all.
    const bool titled = title && h.title1 != QLatin1String("None") && !person_title.isEmpty();

    WindowLabel label;
    LabelLines& l = label.lines;
    l[1] = (titled ? person_title + QLatin1Char(' ') : QString()) + first + QLatin1Char(' ') + last;
    LabelAddress a{h.address1, h.address2, h.city, h.state, h.zip};
    if (sheet == Sheet::Invite) {
        a.address1 = invite_address(a.address1, a.address2);
        a.address2.clear();
    }
    put_address(l, 2, a);
    if (sheet == Sheet::Invite) {
        invite_case(l);
        label.too_long = lines_too_long(l, sheet);
    }
    return label;
}

ChildChoice effective_choice(const ChildNames& names, ChildChoice choice) {
    if (names.display[2].isEmpty()) choice.ticked[1] = true;
    if (std::count(choice.ticked.begin() + 1, choice.ticked.end(), true) > 2)
        choice.all_children = true;
    return choice;
}

bool child_choice_complete(const ChildChoice& c) {
    if (c.option != 1 || c.all_children) return true;
    return std::any_of(c.ticked.begin() + 1, c.ticked.end(), [](bool t) { return t; });
}

ChildNameLines compose_child_name_lines(const ChildNames& n, const ChildChoice& c) {
    if (c.option == 2) return {n.name_hold, {}};
    if (c.option == 3) return {n.mailing_label_hold, {}};

    int count = 0, first = 0, last = 0;
    QString flags;
    for (int k = 1; k <= 6; ++k) {
        if (!c.ticked[k]) continue;
        ++count;
        if (!first) first = k;
        last = k;
        flags += n.last_name_flag[k];
    }
    const QString five(5, QLatin1Char(' '));
    if (count == 1) {
        if (c.parents) return {n.parents, five + n.display[last]};
        return {n.display[last], {}};
    }
    if (c.all_children) {
        if (c.parents) return {n.parents, five + n.all_children};
        return {n.all_children, {}};
    }

    // The first ticked child and the last one (the second place).
    const int second = count >= 2 ? last : 0;
    const QString d2 = second ? n.display[second] : QString();
    const QString amp = QStringLiteral(" & ");
    QString a;
    if (flags == QLatin1String("YY")) {
        const QString &f1 = n.first_name[first], &l1 = n.last_name[first];
        const QString &f2 = n.first_name[second], &l2 = n.last_name[second];
        a = l1 != l2 ? f1 + QLatin1Char(' ') + l1 + amp + f2 + QLatin1Char(' ') + l2
                     : f1 + amp + f2 + QLatin1Char(' ') + l1;
    } else if (flags == QLatin1String("YN")) {
        a = n.first_name[first] + QLatin1Char(' ') + n.last_name[first] + amp + d2;
    } else if (flags == QLatin1String("NY")) {
        a = n.display[first] + amp + n.first_name[second] + QLatin1Char(' ') + n.last_name[second];
    } else {
        const QString d1 = right_trimmed(first ? n.display[first] : QString());
        const qsizetype blank = d1.indexOf(QLatin1Char(' '));
        a = (blank < 0 ? d1 : d1.left(blank)) + amp + d2;
    }
    if (c.parents) return {n.parents, five + a};
    return {a, {}};
}

int child_number_in_party(const ChildNames& n, const ChildChoice& c) {
    const int parents = n.parent_type == QLatin1String("PARENT") ? 1 : 2;
    switch (c.option) {
        case 2:
            return n.number_of_children + parents;
        case 3:
            return parents;
        default:
            if (c.all_children) return n.number_of_children;
            return int(std::count(c.ticked.begin() + 1, c.ticked.end(), true));
    }
}

ChildLabel compose_child_label(const ChildNames& names, const ChildChoice& c, Sheet sheet,
                               const LabelAddress& address, bool with_address) {
    ChildLabel label;
    label.number_in_party = child_number_in_party(names, c);
    ChildNameLines name = compose_child_name_lines(names, c);
    label.whole_name = name.a;
    LabelAddress a = address;
    if (sheet == Sheet::Invite) {
        a.address1 = invite_address(a.address1, a.address2);
        a.address2.clear();
    } else if (name.a.size() > window_line_limit(sheet)) {
        const printing::CutName cut = split_long_name(name.a, window_line_limit(sheet));
        name = {cut.line1, cut.line2};
        label.long_name = true;
    }
    LabelLines& l = label.lines;
    l[1] = name.a;
    l[2] = name.b;
    if (!with_address) return label;

    put_address(l, name.b.isEmpty() ? 2 : 3, a);
    if (sheet != Sheet::Invite) return label;
    // The Invite sheet prints three lines: a city line pushed to line 4 joins the line above
    // when both fit, otherwise the label is refused rather than printed without its city.
    if (!l[4].isEmpty()) {
        const QString joined = l[3] + kInviteJoin + l[4];
        if (joined.size() <= window_line_limit(sheet)) {
            l[3] = joined;
            l[4].clear();
        }
    }
    invite_case(l);
    label.too_long = lines_too_long(l, sheet) || !l[4].isEmpty() || !l[5].isEmpty();
    return label;
}

WindowLabel compose_quick_label(const QuickFields& f, Sheet sheet) {
    WindowLabel label;
    LabelLines& l = label.lines;
    l[1] = f.name;
    put_address(l, 2, {f.address1, f.address2, f.city, f.state, f.zip});
    if (sheet == Sheet::Invite) invite_case(l);
    label.too_long = lines_too_long(l, sheet);
    return label;
}

}  // namespace reports
