#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "fixture.h"
#include "platform/controls.h"
#include "platform/errors.h"

using namespace platform;

namespace {

struct TestControls {
    QLineEdit* box = nullptr;
    QPushButton* cancel = nullptr;
    QCheckBox* check = nullptr;
    OptionButton* optA = nullptr;
    OptionButton* optB = nullptr;
};

class TestWindow : public Form<TestControls> {
public:
    TestWindow() : Form(QStringLiteral("TestWindow")) {}
    int loads = 0;
    int unloads = 0;
    int a_rule = 0;
    int b_rule = 0;
    int check_rule = 0;
    int cancels = 0;
    bool unload_while_loading = false;
    QString variable;

protected:
    void build(QWidget* w, TestControls& c) override {
        c.box = make_text(w, "box", 5, 100, 100, 1500, 300);
        c.cancel = make_button(w, "cancel", "CANCEL", 100, 500, 1000, 400);
        c.check = make_check(w, "check", "Check", 100, 1000);
        c.optA = make_option(w, "optA", "A", 100, 1400);
        c.optB = make_option(w, "optB", "B", 1200, 1400);
        make_option_group({c.optA, c.optB});
        on_chosen(c.optA, [this] { ++a_rule; });
        on_chosen(c.optB, [this] { ++b_rule; });
        on_toggle(c.check, [this] { ++check_rule; });
        on_click(c.cancel, [this] {
            ++cancels;
            unload();
        });
    }
    void Form_Load() override {
        ++loads;
        if (unload_while_loading) unload();
    }
    void Form_Unload() override { ++unloads; }
    QAbstractButton* cancel_button() override { return ui().cancel; }
};

using WindowTest = testing_support::OvraTest;

TEST_F(WindowTest, TouchingAControlLoadsOnceAndUnloadKeepsVariablesOnly) {
    auto& w = form<TestWindow>();
    w.variable = "kept";
    EXPECT_FALSE(w.is_loaded());
    w.ui().box->setText("typed");
    w.ui().check->setChecked(true);
    EXPECT_TRUE(w.is_loaded());
    EXPECT_EQ(w.loads, 1);
    w.set_caption("Caption");
    w.set_help_context_id(320);
    EXPECT_EQ(w.loads, 1);

    w.unload();
    EXPECT_FALSE(w.is_loaded());
    EXPECT_EQ(w.unloads, 1);
    EXPECT_EQ(w.variable, "kept");
    // The next touch starts again from the design.
    EXPECT_EQ(w.help_context_id(), 0);
    EXPECT_EQ(w.ui().box->text(), "");
    EXPECT_FALSE(w.ui().check->isChecked());
    EXPECT_EQ(w.loads, 2);
}

// Change rules run for code as for the user; an option's only when it is chosen.
TEST_F(WindowTest, ChangeRulesRunForCodeAndOptionRulesOnlyWhenChosen) {
    auto& c = form<TestWindow>().ui();
    auto& w = form<TestWindow>();
    EXPECT_FALSE(c.optA->isChecked());
    EXPECT_FALSE(c.optB->isChecked());
    c.optA->setChecked(true);
    EXPECT_EQ(w.a_rule, 1);
    c.optB->setChecked(true);
    EXPECT_FALSE(c.optA->isChecked());
    EXPECT_EQ(w.b_rule, 1);
    EXPECT_EQ(w.a_rule, 1);
    // Code can clear the whole group; no rule runs for that.
    c.optB->setChecked(false);
    EXPECT_FALSE(c.optA->isChecked() || c.optB->isChecked());
    EXPECT_EQ(w.b_rule, 1);
    // A user's click on the chosen button keeps it chosen and runs nothing again.
    w.show();
    QTest::mouseClick(c.optA, Qt::LeftButton);
    QTest::mouseClick(c.optA, Qt::LeftButton);
    EXPECT_TRUE(c.optA->isChecked());
    EXPECT_EQ(w.a_rule, 2);
    w.hide();
    c.check->setChecked(true);
    set_value(c.check, 0);
    EXPECT_EQ(w.check_rule, 2);
}

TEST_F(WindowTest, MaximumLengthLimitsTypingAndPastingButNotCode) {
    QLineEdit* box = form<TestWindow>().ui().box;
    QTest::keyClicks(box, "abcdefgh");
    EXPECT_EQ(box->text(), "abcde");
    box->setText("longer than five");
    EXPECT_EQ(box->text(), "longer than five");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "longer than fiv");
    QTest::keyClicks(box, "x");
    EXPECT_EQ(box->text(), "longer than fiv");
    EXPECT_EQ(max_length(box), 5);

    // Pasting takes only what fits.
    box->clear();
    QGuiApplication::clipboard()->setText("1234567890");
    QTest::keyClicks(box, "ab");
    QTest::keySequence(box, QKeySequence::Paste);
    EXPECT_EQ(box->text(), "ab123");
    box->selectAll();
    QTest::keySequence(box, QKeySequence::Paste);
    EXPECT_EQ(box->text(), "12345");
}

// A window that unloads itself while loading, fails to load or is destroyed while loaded
// leaves nothing behind.
TEST_F(WindowTest, AWindowGoneWhileLoadingOrDestroyedLoadedLeavesNothingBehind) {
    auto& w = form<TestWindow>();
    w.unload_while_loading = true;
    try {
        w.ui().box->setText("x");
        FAIL() << "expected error 364";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 364);
    }
    EXPECT_FALSE(w.is_loaded());
    {
        TestWindow loaded;  // outside the run's teardown: no abort, no stray widget
        loaded.ui().box->setText("x");
        ASSERT_TRUE(loaded.is_loaded());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), "TestWindow");

    struct Failing : TestWindow {
        bool fail_in_design = true;
        void build(QWidget* w, TestControls& c) override {
            TestWindow::build(w, c);
            if (fail_in_design) throw VbError(kErrPathFileAccess, "design failed");
        }
        void Form_Load() override { throw VbError(kErrFileNotFound, "load failed"); }
    } failing;
    EXPECT_THROW(failing.load(), VbError);
    EXPECT_FALSE(failing.is_loaded());
    failing.fail_in_design = false;
    EXPECT_THROW(failing.load(), VbError);
    EXPECT_FALSE(failing.is_loaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), "TestWindow");
}

TEST_F(WindowTest, ColourNumbersAndTwipsReadBackAsSet) {
    auto& c = form<TestWindow>().ui();
    set_back_color(c.box, color::kLightRed);
    EXPECT_EQ(back_color(c.box), color::kLightRed);
    EXPECT_EQ(c.box->palette().color(QPalette::Base), QColor(0xFF, 0x80, 0x80));
    set_back_color(c.check, color::kMenu);
    EXPECT_EQ(back_color(c.check), color::kMenu);
    set_left(c.cancel, 5351);
    EXPECT_EQ(left(c.cancel), 5351);
    EXPECT_EQ(c.cancel->x(), 357);
    EXPECT_EQ(top(c.cancel), 500);
}

// A modal showing returns when the window is hidden or unloaded; the close box and Esc do
// what CANCEL does.
TEST_F(WindowTest, ModalShowEndsWhenHiddenOrUnloadedAndCloseAndEscCancel) {
    app_->set_modal_hook(nullptr);  // the real event loop, answered from a timer
    auto& w = form<TestWindow>();
    QTimer::singleShot(0, [&] { w.hide(); });
    w.show_modal();
    EXPECT_TRUE(w.is_loaded());
    EXPECT_FALSE(w.is_shown());
    QTimer::singleShot(0, [&] { w.ui().cancel->click(); });
    w.show_modal();
    EXPECT_FALSE(w.is_loaded());
    EXPECT_EQ(w.cancels, 1);

    w.show();
    QCloseEvent close;
    QCoreApplication::sendEvent(w.widget(), &close);
    EXPECT_EQ(w.cancels, 2);
    EXPECT_FALSE(w.is_loaded());
    w.show();
    QTest::keyClick(w.widget(), Qt::Key_Escape);
    EXPECT_EQ(w.cancels, 3);
    EXPECT_FALSE(w.is_loaded());
}

TEST_F(WindowTest, AnErrorInAHandlerIsReportedAndTheProgramGoesOn) {
    msgs.expect("An unexpected error stopped \"x_Click\":\nNo current record. (error 3021)", vbOK,
                vbCritical);
    guarded("x_Click", [] { throw VbError(3021, "No current record."); });
}

}  // namespace
