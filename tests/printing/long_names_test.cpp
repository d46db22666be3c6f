// Households at the record form's longest names with every phone and e-mail filled, printed
// from the print dialog to a real PDF: the columns were laid out for fonts narrower than the
// faces drawn, and must still keep every text apart.
#include <QDir>

#include "pdf_words.h"
#include "print_dialog_fixture.h"
#include "printing/address_book.h"
#include "printing/phone_list.h"
#include "printing/record_image.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

class LongNamesOnPaper : public PrintDialogTest {
protected:
    void SetUp() override {
        PrintDialogTest::SetUp();
        // First names hold 10 characters, last names 15, phones 12, e-mails 40.
        struct Names {
            const char *last1, *first1, *first2, *last2, *hyphen, *reverse;
        };
        const Names names[] = {
            {"BELL", "ALEXANDER", "MABEL", "HUBBARD", "Y", "Y"},
            {"WOLFESCHLEGELST", "MAXIMILIAN", "WILHELMINA", "MONTGOMERYSMITH", "Y", "N"},
            {"MACWILLIAMSON", "GWENDOLYNE", "MARGUERITE", "WADSWORTHMORROW", "N", "N"},
            {"WASHINGTON", "BARTHOLOMW", "WINIFRED", "WASHINGTON", "N", "N"},
            {"VANDERSCHUEREN", "CHRISTOPHE", "", "", "N", "N"},
        };
        int n = 0;
        for (const Names& h : names) {
            auto r = household(h.last1, h.first1);
            r.first_name_2 = h.first2;
            r.last_name_2 = h.last2;
            r.last_name_hyphen = h.hyphen;
            r.last_name_reverse = h.reverse;
            auto phone = [&n] { return QStringLiteral("312-555-%1").arg(3000 + 37 * ++n); };
            r.home_phone = phone();
            r.home_fax = phone();
            r.work_phone_1 = phone();
            r.cell_phone_1 = phone();
            r.work_phone_2 = phone();
            r.cell_phone_2 = phone();
            auto email = [](const QString& name, const char* domain) {
                return (name.toLower() + QLatin1Char('@') + domain).right(40);
            };
            r.home_email_1 = email(QString(h.first1) + "." + h.last1, "mountainmail.org");
            r.work_email_1 = email(QString("w.") + h.last1 + h.last2, "example.com");
            r.home_email_2 = email(QString(h.first2) + "." + h.last2, "mountainmail.org");
            r.work_email_2 = email(QString("w.") + h.last2 + h.first2, "example.org");
            keys << r.keyname;
            store_household(r);
        }
        start_with(0);
    }

    // Presses PRINT with this output type and All Records on the PDF device; the file printed.
    QString print_all(platform::OptionButton* Dialog::*type, const QString& file) {
        const QString pdf = path(file);
        in_dialog([&](Dialog& d) {
            click(d.*type);
            click(d.Option1);
            d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(platform::kPdfDevice));
            files.expect(pdf);
            click(d.comprint);
            EXPECT_EQ(d.lblselwarning->text(),
                      QStringLiteral("PRINTED %1 OF %1 RECORDS").arg(keys.size()));
        });
        if (const QString out = qEnvironmentVariable("OVRA_SNAPSHOTS"); !out.isEmpty())
            for (int page = 1; page <= testing_support::pdf_page_count(pdf); ++page)
                testing_support::pdf_page_png(
                    pdf, page, QDir(out).filePath(QStringLiteral("%1-%2.png").arg(file).arg(page)),
                    100);
        return pdf;
    }

    // The households as every printout reads them.
    std::vector<printing::RecordImage> images() const {
        std::vector<printing::RecordImage> out;
        open_table(QStringLiteral("OVRAData"));
        Data1().set_index(QStringLiteral("keyname"));
        for (const QString& key : keys) {
            Data1().seek(QStringLiteral("="), key);
            out.push_back(printing::read_record_image(key));
        }
        return out;
    }

    QStringList keys;
};

TEST_F(LongNamesOnPaper, PhoneListKeepsEveryNumberApartInItsColumn) {
    const QString pdf = print_all(&Dialog::optprint1, "Phone list.pdf");
    QStringList texts;
    for (const RecordImage& h : images())
        for (const phone_list::EntryLine& l : phone_list::entry_lines(h, false))
            texts << l.name << l.first << l.second;
    const auto words = testing_support::pdf_words(pdf);
    EXPECT_EQ(testing_support::layout_faults(words, texts), QStringList());

    // Every number's label starts in its column (News Gothic's columns: 840/2048 em at 8.28 pt
    // from the printable area's left, 1/4 in), or right after a name too long for the first.
    const double tab = 840.0 / 2048 * 8.28 / 72, first = 0.25 + 59 * tab, second = 0.25 + 94 * tab;
    int labels = 0, in_second = 0;
    const testing_support::PdfWord* before = nullptr;
    for (const auto& w : words) {
        const bool own = w.text == "WORK:" || w.text == "CELL:";  // one person's, unnamed
        if (before &&
            (w.text == "HOME:" || w.text.endsWith("'S") || (own && !before->text.endsWith("'S")))) {
            ++labels;
            const double x = w.box.left();
            in_second += std::abs(x - second) < 0.005;
            const bool pushed = x > first && std::abs(before->box.top() - w.box.top()) < 0.01 &&
                                x - before->box.right() < 0.05;
            EXPECT_TRUE(std::abs(x - first) < 0.005 || std::abs(x - second) < 0.005 || pushed)
                << w.text.toStdString() << " at " << x;
        }
        before = &w;
    }
    EXPECT_EQ(labels, 4 * 5 + 3);
    EXPECT_EQ(in_second, 4 * 2 + 1);
}

// A number alone on its line has nothing after its tab to make room for: it prints as wide as
// the same text printed by itself.
TEST_F(LongNamesOnPaper, PhoneListLoneNumbersPrintAtFullWidth) {
    const QString pdf = print_all(&Dialog::optprint1, "Phone list.pdf");
    QStringList lone;
    for (const RecordImage& h : images())
        for (const phone_list::EntryLine& l : phone_list::entry_lines(h, false))
            if (l.name.isEmpty() && l.second.isEmpty()) lone << l.first;
    ASSERT_EQ(lone.size(), 5);  // each person 2's cell, and the one person's
    const QString alone = path("alone.pdf");
    files.expect(alone);
    {
        platform::PrintCommand command(QStringLiteral("alone.pdf"));
        platform::Printer& p = platform::printer();
        p.set_ScaleMode(platform::kScaleTwips);
        p.set_FontName(QStringLiteral("News Gothic MT"));
        p.set_FontSize(8.28);
        for (const QString& text : lone) p.Print({text});
        p.EndDoc();
        command.finish();
    }
    // The span of the words of a text's line, found by its number (each number is printed once).
    auto span = [](const std::vector<testing_support::PdfWord>& words, const QString& text) {
        const QString number = text.section(QLatin1Char(' '), -1);
        const auto at = std::find_if(words.begin(), words.end(),
                                     [&](const auto& w) { return w.text == number; });
        if (at == words.end()) return -1.0;
        double left = at->box.left();
        for (const auto& w : words)
            if (w.page == at->page && std::abs(w.box.top() - at->box.top()) < 0.01 &&
                text.split(QLatin1Char(' ')).contains(w.text))
                left = std::min(left, w.box.left());
        return at->box.right() - left;
    };
    const auto listed = testing_support::pdf_words(pdf),
               by_itself = testing_support::pdf_words(alone);
    for (const QString& text : lone) {
        const double width = span(by_itself, text);
        ASSERT_GT(width, 1) << text.toStdString();
        EXPECT_NEAR(span(listed, text), width, 0.005) << text.toStdString();
    }
}

TEST_F(LongNamesOnPaper, AddressBookKeepsEveryTextApartOnOnePagePerHousehold) {
    const QString pdf = print_all(&Dialog::Optprint2, "Address book.pdf");
    QStringList texts;
    for (const RecordImage& h : images()) {
        address_book::Page page;
        page.h = h;
        for (const address_book::Line& l : address_book::page_lines(page))
            texts << l.text << l.tab_text;
    }
    EXPECT_EQ(testing_support::pdf_page_count(pdf), int(keys.size()));
    EXPECT_EQ(testing_support::layout_faults(testing_support::pdf_words(pdf), texts),
              QStringList());
}

}  // namespace
