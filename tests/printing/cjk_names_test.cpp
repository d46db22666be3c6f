// Households named in Han, kana and Hangul, printed from the print dialog to real PDFs: the faces
// drawn lack those characters, so the names must still come out as text a reader finds, apart
// from the numbers and on the label they belong to.
#include <QDir>
#include <map>

#include "pdf_words.h"
#include "print_dialog_fixture.h"
#include "printing_fixture.h"

namespace {

class CjkNames : public PrintDialogTest {
protected:
    void SetUp() override {
        PrintDialogTest::SetUp();
        auto yamada = household("山田", "太郎");
        yamada.first_name_2 = "花子";
        yamada.home_phone = "555-0100";
        yamada.work_phone_1 = "555-0101";
        store_household(yamada);
        store_household(household("佐藤", "さくら"));
        store_household(household("김", "민준"));
        start_with(1);
    }

    // Presses PRINT with this output type and All Records on the PDF device; the words printed.
    std::vector<testing_support::PdfWord> print_all(platform::OptionButton* Dialog::*type,
                                                    const QString& file, const QString& done) {
        const QString pdf = path(file);
        in_dialog([&](Dialog& d) {
            click(d.*type);
            click(d.Option1);
            d.cmbPrinter->setCurrentIndex(d.cmbPrinter->findText(platform::kPdfDevice));
            if (type == &Dialog::Optprint3) expect_load_prompt("5160");
            files.expect(pdf);
            click(d.comprint);
            EXPECT_EQ(d.lblselwarning->text(), done);
        });
        if (const QString out = qEnvironmentVariable("OVRA_SNAPSHOTS"); !out.isEmpty())
            testing_support::pdf_page_png(pdf, 1, QDir(out).filePath(file + ".png"), 150);
        return testing_support::pdf_words(pdf);
    }
};

TEST_F(CjkNames, PhoneListPrintsTheNamesAsTextApartFromTheNumbers) {
    const auto words = print_all(&Dialog::optprint1, "Phone list.pdf", "PRINTED 4 OF 4 RECORDS");
    // A name followed by Latin in one text, too: "太郎'S WORK: ".
    const QStringList texts = {"山田, 太郎 & 花子", "HOME: 555-0100", "太郎'S WORK: 555-0101",
                               "佐藤, さくら",      "김, 민준",       "SMITH, ANN1"};
    EXPECT_EQ(testing_support::layout_faults(words, texts), QStringList());
    QStringList read;
    for (const auto& w : words) read << w.text;
    EXPECT_EQ(read.join(' '),
              "SMITH, ANN1 김, 민준 佐藤, さくら 山田, 太郎 & 花子 HOME: 555-0100 "
              "太郎'S WORK: 555-0101");
}

TEST_F(CjkNames, MailingLabelsPrintTheNamesOnTheirOwnLabel) {
    const auto words = print_all(&Dialog::Optprint3, "Labels.pdf", "PRINTED 4 OF 4 LABELS");
    std::map<int, QStringList> labels;  // the words each real 5160 label holds, in reading order
    for (const auto& w : words) {
        const int on = kAvery5160.label_holding(w.box);
        EXPECT_NE(on, 0) << w.text.toStdString() << " off every label";
        labels[on] << w.text;
    }
    QStringList read;
    for (const auto& [on, label] : labels) read << label.join(' ');
    const QString address = " 1 MAIN ST SPRINGFIELD, IL 62701";
    EXPECT_EQ(read, QStringList({"ANN1 SMITH" + address, "민준 김" + address,
                                 "さくら 佐藤" + address, "太郎 山田" + address}));
}

}  // namespace
