#include "label_text.h"

#include <initializer_list>

#include "common/vbstring.h"

namespace printing {

using common::is_blank;

namespace {

const QString kAmp = QStringLiteral(" & ");

// Names joined by one blank; an empty name adds no blank (a missing second title must not
// leave two).
QString words(std::initializer_list<QString> parts) {
    QString out;
    for (const QString& p : parts) {
        if (p.isEmpty()) continue;
        if (!out.isEmpty()) out += QLatin1Char(' ');
        out += p;
    }
    return out;
}

// A label shows "&&" as one "&"; a name's own "&" too.
QString doubled_ampersands(const QString& line) {
    return QString(line).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

bool has_second_person(const RecordImage& h) {
    return !is_blank(h.lastname2);
}

// Person 2's surname, hyphenated as the household's flags say.
QString hyphenated(const RecordImage& h) {
    return h.name_reverse == QLatin1String("Y") ? h.lastname1 + QLatin1Char('-') + h.lastname2
                                                : h.lastname2 + QLatin1Char('-') + h.lastname1;
}

}  // namespace

LabelOptions LabelOptions::from(const PrintRequest& r) {
    LabelOptions o;
    o.sheet = r.sheet;
    o.title = r.title;
    o.the_family = r.the_family;
    o.resident = r.resident;
    o.child_print_by_category = r.child_print_by_category;
    o.track = r.track && r.choice == RecordChoice::ByCategory;
    return o;
}

std::optional<NameLine> family_name_line(const RecordImage& h, const LabelOptions& o) {
    if (!o.the_family || h.family_flag != QLatin1String("Y")) return std::nullopt;
    NameLine n;
    if (has_second_person(h)) {
        const bool one_surname = h.lastname2 == h.lastname1 || h.hyphen == QLatin1String("Y");
        n.line = QStringLiteral("THE ") +
                 (one_surname ? h.lastname1 : h.lastname2 + QLatin1Char('-') + h.lastname1) +
                 QStringLiteral(" FAMILY");
        n.number_in_party = h.number_of_children + (is_blank(h.firstname2) ? 1 : 2);
    } else {
        n.line = words({h.firstname1, h.lastname1}) + QStringLiteral(" & FAMILY");
        n.number_in_party = h.number_of_children + 1;
    }
    n.caption = doubled_ampersands(n.line);
    return n;
}

NameLine compose_name_line(const RecordImage& h, const LabelOptions& o) {
    NameLine n;
    const bool titled = o.title && h.title1 != QLatin1String("None");
    const bool two = has_second_person(h);
    const bool same_surname = h.lastname2 == h.lastname1;
    const bool hyphen = h.hyphen == QLatin1String("Y");
    n.number_in_party = two ? 2 : 1;
    if (titled) {
        if (!two)
            n.line = words({h.title1, h.firstname1, h.lastname1});
        else if (same_surname)
            n.line = h.title1 + kAmp + words({h.title2, h.firstname1, h.lastname1});
        else
            n.line = words({h.title1, h.firstname1, h.lastname1}) + kAmp +
                     words({h.title2, h.firstname2, hyphen ? hyphenated(h) : h.lastname2});
    } else if (!two) {
        n.line = words({h.firstname1, h.lastname1});
        n.caption = doubled_ampersands(n.line);
        // Only an untitled printout names the family: with TITLE ticked, a person without a
        // title stays as they are.
        if (o.child_print_by_category && o.the_family && !o.title)
            n.line += QStringLiteral(" & FAMILY");
        return n;
    } else if (same_surname) {
        n.line = h.firstname1 + kAmp + words({h.firstname2, h.lastname1});
    } else {
        n.line = words({h.firstname1, h.lastname1}) + kAmp +
                 words({h.firstname2, hyphen ? hyphenated(h) : h.lastname2});
    }
    n.caption = doubled_ampersands(n.line);
    return n;
}

int name_line_limit(Sheet sheet) {
    switch (sheet) {
        case Sheet::Standard:
            return 33;
        case Sheet::Shipping:
            return 27;
        default:
            return 0;
    }
}

int line_limit(Sheet sheet) {
    return sheet == Sheet::Standard ? 33 : 27;
}

CutName cut_name_line(const QString& line) {
    qsizetype p = line.indexOf(QLatin1Char('&')) + 1;
    if (p == 0) p = line.indexOf(QLatin1Char('-')) + 1;
    return {line.left(p), QString(7, QLatin1Char(' ')) + line.mid(p)};
}

QString invite_proper_case(const QString& line, bool city_line) {
    QString out = line.toLower();
    if (out.isEmpty()) return out;
    out[0] = out[0].toUpper();
    for (qsizetype i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == QLatin1Char(' ') || out[i] == QLatin1Char('-'))
            out[i + 1] = out[i + 1].toUpper();
    }
    if (city_line) {
        for (qsizetype i = 0; i + 3 < out.size(); ++i) {
            if (out[i] == QLatin1Char(' ') && out[i + 3] == QLatin1Char(' ') &&
                out[i + 1] != QLatin1Char(' ') && out[i + 2] != QLatin1Char(' '))
                out[i + 2] = out[i + 2].toUpper();
        }
    }
    return out;
}

bool label_too_long(const LabelLines& lines, Sheet sheet) {
    const int limit = line_limit(sheet);
    for (int j = 1; j <= 3; ++j)
        if (lines[j].size() > limit) return true;
    // The Invite sheet prints three lines: a label that needs a fourth would lose its city.
    return sheet == Sheet::Invite && (!lines[4].isEmpty() || !lines[5].isEmpty());
}

QStringList invalid_label_entries(const LabelLines& lines, Sheet sheet) {
    QStringList entries{lines[1], lines[2], lines[3]};
    if (sheet != Sheet::Shipping) {
        for (int j = 4; j <= 5; ++j)
            if (!lines[j].isEmpty()) entries << lines[j];
    }
    entries << QString();
    return entries;
}

ComposedLabel compose_label(const RecordImage& h, const LabelOptions& o,
                            const ChildLabelLines* child) {
    ComposedLabel label;
    LabelLines& line = label.lines;
    QString whole_name;  // the name line before any cut, kept for the tracking record
    if (child) {
        line = child->lines;
        label.number_in_party = child->number_in_party;
        whole_name = child->whole_name_line.isEmpty() ? line[1] : child->whole_name_line;
    } else {
        std::optional<NameLine> name;
        if (!o.child_print_by_category) name = family_name_line(h, o);
        if (!name) name = compose_name_line(h, o);
        line[1] = name->line;
        label.number_in_party = name->number_in_party;
        whole_name = line[1];
    }
    if (o.resident) whole_name = line[1] = QStringLiteral("RESIDENT");

    QString address1 = h.address1;
    QString address2 = h.address2;
    if (o.sheet == Sheet::Invite) {
        if (!address2.isEmpty()) {
            address1 += QStringLiteral("  ") + address2;
            address2.clear();
        }
    } else if (line[1].size() > name_line_limit(o.sheet) && line[2].isEmpty()) {
        // A children label the window already cut keeps its two lines; the length test
        // decides on it.
        const CutName cut = cut_name_line(line[1]);
        line[1] = cut.line1;
        line[2] = cut.line2;
    }

    const QString city_line = h.city + QStringLiteral(", ") + h.state + QLatin1Char(' ') + h.zip;
    const int first = line[2].isEmpty() ? 2 : 3;
    line[first] = address1;
    if (address2.isEmpty()) {
        line[first + 1] = city_line;
    } else {
        line[first + 1] = address2;
        line[first + 2] = city_line;
    }

    // The invitee keeps the label's upper case and stays listed even if the label is set aside.
    if (o.track) label.tracked_name = whole_name;

    if (o.sheet == Sheet::Invite) {
        for (int j = 1; j <= 3; ++j) line[j] = invite_proper_case(line[j], j == 3);
    }
    label.too_long = label_too_long(line, o.sheet);
    return label;
}

}  // namespace printing
