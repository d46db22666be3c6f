#pragma once

// Households at the record form's longest names with every phone and e-mail filled, printed
// from the print dialog to a real PDF: the columns were laid out for fonts narrower than the
// faces drawn, and must still keep every text apart.
#include <QDir>

#include "pdf_words.h"
#include "print_dialog_fixture.h"
#include "printing/record_image.h"
#include "shell/frmdatabase.h"

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
