// Generated households printed as mailing labels to real PDFs: every word must lie on the label
// whose text it belongs to, measured against the real sheet (printing_fixture.h), not the
// printing code's own table.
#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>

#include "common/display_name.h"
#include "fixture.h"
#include "household_generator.h"
#include "pdf_words.h"
#include "platform/cursor.h"
#include "platform/printer.h"
#include "printing/label_run.h"
#include "printing_fixture.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

class LabelRunPdf : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        generate_households(path("ovra.mdb"), 75);
        open_database_file();
        request.choice = RecordChoice::All;
        request.top_position = 5;
        open_table(QStringLiteral("OVRAData"));
        for (Data1().move_first(); !Data1().eof(); Data1().move_next()) {
            const QString key = Data1().field(QStringLiteral("keyname")).toString();
            request.lines.push_back({key, key, false});
        }
        std::sort(request.lines.begin(), request.lines.end(),
                  [](const ListLine& a, const ListLine& b) {
                      return common::display_order(a.keyname, b.keyname);
                  });
    }

    // Prints the request to a PDF, keeping the texts of every sheet.
    QString print(Sheet sheet, const QString& name) {
        request.sheet = sheet;
        const QString pdf = path(name);
        files.expect(pdf);
        auto real = sheet_printer(request.top_position);
        out.print_sheet = [&](Sheet s, const LabelPage& page) {
            pages.push_back(page);
            return real(s, page);
        };
        QStringList too_long;
        out.too_long = &too_long;
        platform::PrintCommand command(QStringLiteral("Mailing labels.pdf"));
        result = run_mailing_labels(request, out);
        command.finish();
        if (!qEnvironmentVariableIsEmpty("OVRA_SNAPSHOTS"))
            testing_support::pdf_page_png(
                pdf, 1, QDir(qEnvironmentVariable("OVRA_SNAPSHOTS")).filePath(name + ".png"));
        return pdf;
    }

    // Every word of every page lies inside the real label of the text it belongs to.
    void expect_words_on_their_labels(const QString& pdf, const RealSheet& sheet, int lines) {
        const auto words = testing_support::pdf_words(pdf);
        ASSERT_EQ(testing_support::pdf_page_count(pdf), int(pages.size()));
        std::vector<std::vector<QStringList>> expected(pages.size());
        for (size_t p = 0; p < pages.size(); ++p) {
            expected[p].resize(sheet.labels + 1);
            for (int k = 1; k <= sheet.labels; ++k)
                for (int j = 1; j <= lines; ++j)
                    expected[p][k] << pages[p][k][j].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        }
        int checked = 0;
        for (const auto& w : words) {
            const int on = sheet.label_holding(w.box);
            ASSERT_NE(on, 0) << w.text.toStdString() << " off every label on page " << w.page;
            QStringList& left = expected[w.page - 1][on];
            EXPECT_TRUE(left.removeOne(w.text))
                << w.text.toStdString() << " on label " << on << " of page " << w.page;
            ++checked;
        }
        for (size_t p = 0; p < pages.size(); ++p)
            for (int k = 1; k <= sheet.labels; ++k)
                EXPECT_TRUE(expected[p][k].isEmpty())
                    << "page " << p + 1 << " label " << k << " lost words";
        EXPECT_GT(checked, 0);
    }

    PrintRequest request;
    LabelRunOutputs out;
    std::vector<LabelPage> pages;
    PrintResult result;
};

TEST_F(LabelRunPdf, StandardSheetsHoldEveryWordOnItsLabel) {
    const QString pdf = print(Sheet::Standard, "labels-5160.pdf");
    EXPECT_EQ(result.message, "PRINTED 75 OF 75 LABELS");
    ASSERT_EQ(pages.size(), 3u);
    expect_words_on_their_labels(pdf, kAvery5160, 5);
}

TEST_F(LabelRunPdf, ShippingAndInviteSheetsByCategoryWithTitles) {
    request.choice = RecordChoice::ByCategory;
    request.category[1] = 1;
    request.title = true;
    expect_words_on_their_labels(print(Sheet::Shipping, "labels-5163.pdf"), kAvery5163, 5);
    pages.clear();
    expect_words_on_their_labels(print(Sheet::Invite, "labels-5662.pdf"), kAvery5662, 3);
}

}  // namespace
