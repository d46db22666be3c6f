#include "fixture.h"

#include <sqlite3.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTest>

#include "common/schema.h"
#include "platform/cursor.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "shell/frmSplash.h"

namespace testing_support {

void MsgBoxScript::expect(const QString& prompt, int answer, int style, const QString& title) {
    expected_.push_back({prompt, answer, style, title});
}

int MsgBoxScript::answer(const platform::MsgBoxCall& call) {
    shown_.push_back(call);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << call.prompt.toStdString() << " ["
                      << call.title.toStdString() << "]";
        return platform::vbCancel;
    }
    const Expected e = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(call.prompt.toStdString(), e.prompt.toStdString());
    if (e.style >= 0) {
        EXPECT_EQ(call.style, e.style) << call.prompt.toStdString();
    }
    if (!e.title.isNull()) {
        EXPECT_EQ(call.title.toStdString(), e.title.toStdString());
    }
    return e.answer;
}

void ModalScript::on(const QString& window, std::function<void(platform::Window&)> act) {
    expected_.emplace_back(window, std::move(act));
}

void ModalScript::run(platform::Window& window) {
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected modal window: " << window.name().toStdString();
        return;
    }
    auto [name, act] = std::move(expected_.front());
    expected_.pop_front();
    EXPECT_EQ(window.name().toStdString(), name.toStdString());
    act(window);
    EXPECT_FALSE(window.is_shown()) << window.name().toStdString() << " was left open";
}

QString FileDialogScript::answer(const platform::FileDialogCall& call) {
    calls_.push_back(call);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << call.title.toStdString() << " "
                      << call.file_name.toStdString();
        return {};
    }
    const QString path = expected_.front();
    expected_.pop_front();
    return path;
}

void OvraTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    common::schema::create_database(path("ovra.mdb"));
    new_run();
}

void OvraTest::new_run() {
    app_ = std::make_unique<platform::App>(dir_.path());
    app_->set_quit_on_end(false);
    app_->set_msgbox_hook([this](const platform::MsgBoxCall& c) { return msgs.answer(c); });
    app_->set_modal_hook([this](platform::Window& w) { modals.run(w); });
    platform::printer().set_installed_queues(QStringList{});
    platform::form<platform::FileDialogSeam>().answer = [this](const platform::FileDialogCall& c) {
        return files.answer(c);
    };
}

void OvraTest::TearDown() {
    EXPECT_TRUE(msgs.done()) << "an expected message box was not shown";
    EXPECT_TRUE(modals.done()) << "an expected modal window was not shown";
    EXPECT_TRUE(files.done()) << "an expected file dialog was not shown";
    app_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString OvraTest::path(const QString& file) const {
    return dir_.filePath(file);
}

void OvraTest::write(const QString& file, const QByteArray& bytes) const {
    platform::write_file_atomic(path(file), bytes);
}

QByteArray OvraTest::read(const QString& file) const {
    return platform::read_file(path(file));
}

bool OvraTest::exists(const QString& file) const {
    return QFile::exists(path(file));
}

void OvraTest::start_program() {
    auto& splash = platform::form<frmSplash>();
    splash.load();
    splash.tmrSplash_Timer();
}

void OvraTest::restart_program() {
    app_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    new_run();
    start_program();
}

namespace {
template <class Rec>
void store(const QString& db, const char* table, const Rec& rec) {
    platform::DataControl data;
    data.set_database_name(db);
    data.set_record_source(QString::fromLatin1(table));
    data.refresh();
    data.add_new();
    rec.write_to(data);
    data.update();
}
}  // namespace

void OvraTest::store_household(const common::AddressRecord& rec) {
    store(path("ovra.mdb"), "OVRAData", rec);
}

void OvraTest::store_children(const common::ChildrenRecord& rec) {
    store(path("ovra.mdb"), "Children", rec);
}

void OvraTest::store_second_address(const common::SecondAddressRecord& rec) {
    store(path("ovra.mdb"), "Address", rec);
}

void OvraTest::exec_sql(const char* sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path("ovra.mdb").toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

void OvraTest::store_numbered_households(int n) const {
    exec_sql(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
                            "i < %1) INSERT INTO OVRAData (keyname, \"address 1\") SELECT "
                            "printf('HOUSE %03d, ANN', i), printf('MARK%03d', i) FROM n")
                 .arg(n)
                 .toUtf8()
                 .constData());
}

void OvraTest::damage_page_holding(const QByteArray& marker) const {
    QByteArray bytes = read("ovra.mdb");
    const qsizetype page = bytes.indexOf(marker) / 4096;
    ASSERT_GT(page, 0);
    bytes.replace(page * 4096, 4096, QByteArray(4096, 'J'));
    write("ovra.mdb", bytes);
}

int OvraTest::count_rows(const QString& table, const QString& database) const {
    platform::DataControl data;
    data.set_database_name(path(database));
    data.set_record_source(table);
    data.refresh();
    return data.record_count();
}

common::AddressRecord OvraTest::household(const QString& last, const QString& first) {
    common::AddressRecord r;
    r.keyname = last.toUpper() + ", " + first.toUpper();
    r.address_1 = "1 MAIN ST";
    r.city = "SPRINGFIELD";
    r.state = "IL";
    r.zip = "62701";
    r.option1 = "1";
    for (int n = 1; n <= 12; ++n) r.category[n] = "N";
    return r;
}

void OvraTest::click(QAbstractButton* button) {
    ASSERT_TRUE(button);
    EXPECT_TRUE(button->isVisibleTo(button->window()))
        << button->objectName().toStdString() << " is hidden";
    EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString() << " is disabled";
    // Check boxes and option buttons take clicks on their mark and caption only.
    const bool marked = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      marked ? QPoint(6, button->height() / 2) : QPoint());
}

void OvraTest::snapshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("OVRA_SNAPSHOTS");
    if (folder.isEmpty()) return;
    window->adjustSize();
    window->show();
    QCoreApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    window->hide();
}

QStringList OvraTest::controls_cut_off(QWidget* window) {
    QCoreApplication::processEvents();
    QStringList out;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || c->isWindow() ||
            !c->isVisibleTo(window))
            continue;
        const QRect r(c->mapTo(window, QPoint()), c->size());
        if (!window->rect().contains(r) || !c->parentWidget()->rect().contains(c->geometry()))
            out << QStringLiteral("%1 (%2,%3 %4x%5)")
                       .arg(name)
                       .arg(r.x())
                       .arg(r.y())
                       .arg(r.width())
                       .arg(r.height());
    }
    return out;
}

void OvraTest::type(QLineEdit* box, const QString& text) {
    box->selectAll();
    box->del();
    QTest::keyClicks(box, text);
}

}  // namespace testing_support
