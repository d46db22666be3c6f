#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/records.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/file_dialog.h"
#include "platform/msgbox.h"
#include "platform/window.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{";
    for (const QString& s : l) *os << " \"" << s.toStdString() << "\"";
    *os << " }";
}

namespace testing_support {

// Answers message boxes in the order the test expects them; any other box fails the test.
class MsgBoxScript {
public:
    void expect(const QString& prompt, int answer = platform::vbOK, int style = -1,
                const QString& title = {});
    int answer(const platform::MsgBoxCall& call);
    bool done() const { return expected_.empty(); }
    const std::vector<platform::MsgBoxCall>& shown() const { return shown_; }

private:
    struct Expected {
        QString prompt;
        int answer;
        int style;
        QString title;
    };
    std::deque<Expected> expected_;
    std::vector<platform::MsgBoxCall> shown_;
};

// Acts in modal windows in the order the test expects them; any other modal window fails.
class ModalScript {
public:
    void on(const QString& window, std::function<void(platform::Window&)> act);
    void run(platform::Window& window);
    bool done() const { return expected_.empty(); }

private:
    std::deque<std::pair<QString, std::function<void(platform::Window&)>>> expected_;
};

// Answers the file dialogs (open, save, the PDF device's) in the order the test expects; any
// other fails the test.
class FileDialogScript {
public:
    // The path to answer with; "" cancels the dialog.
    void expect(const QString& path) { expected_.push_back(path); }
    QString answer(const platform::FileDialogCall& call);
    bool done() const { return expected_.empty(); }
    // The dialogs asked for, in order.
    const std::vector<platform::FileDialogCall>& calls() const { return calls_; }

private:
    std::deque<QString> expected_;
    std::vector<platform::FileDialogCall> calls_;
};

// A fresh program folder with an empty household database and a fresh program state.
class OvraTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& file) const;
    void write(const QString& file, const QByteArray& bytes) const;
    QByteArray read(const QString& file) const;
    bool exists(const QString& file) const;

    // Runs the start-up as the program does (without waiting three seconds).
    void start_program();
    // A fresh program state on the program folder, answered by msgs and modals.
    void new_run();
    // Throws the run away and starts a new one on the same program folder.
    void restart_program();

    // Writes households straight into ovra.mdb, past the program's own cursor.
    void store_household(const common::AddressRecord& rec);
    void store_children(const common::ChildrenRecord& rec);
    void store_second_address(const common::SecondAddressRecord& rec);
    int count_rows(const QString& table,
                   const QString& database = QStringLiteral("ovra.mdb")) const;
    // Runs SQL on ovra.mdb past the program, to spoil the database on purpose.
    void exec_sql(const char* sql) const;
    // Stores n households "HOUSE 001, ANN"... whose first address lines are "MARK001"...
    void store_numbered_households(int n) const;
    // Fills with junk the page of ovra.mdb that holds marker, as a failing disk would: counting
    // and the last row do not read it, only a check does.
    void damage_page_holding(const QByteArray& marker) const;
    // The row of a table under a key, read past the program's own cursor.
    template <class Rec>
    std::optional<Rec> stored_row(const char* table, const QString& key) const {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.set_record_source(QString::fromLatin1(table));
        data.refresh();
        data.set_index(QStringLiteral("keyname"));
        data.seek(QStringLiteral("="), key);
        if (data.no_match()) return std::nullopt;
        return Rec::read_from(data);
    }
    // The row that must be stored under a key: a missing row fails the test and reads as empty.
    template <class Rec>
    Rec row_of(const char* table, const QString& key) const {
        const auto row = stored_row<Rec>(table, key);
        EXPECT_TRUE(row.has_value()) << table << " holds no row " << key.toStdString();
        return row.value_or(Rec{});
    }
    common::AddressRecord household_row(const QString& key) const {
        return row_of<common::AddressRecord>("OVRAData", key);
    }
    common::ChildrenRecord children_row(const QString& key) const {
        return row_of<common::ChildrenRecord>("Children", key);
    }
    common::SecondAddressRecord address_row(const QString& key) const {
        return row_of<common::SecondAddressRecord>("Address", key);
    }
    // A household of one person with a complete address.
    static common::AddressRecord household(const QString& last, const QString& first);

    // A user's click: the button must be visible and enabled.
    static void click(QAbstractButton* button);
    // A user's typing into a box (replaces what it held).
    static void type(QLineEdit* box, const QString& text);
    // With OVRA_SNAPSHOTS set to a folder, saves a picture of the window there (for looking
    // at it); otherwise does nothing.
    static void snapshot(QWidget* window, const QString& name);
    // The visible controls of a shown window that do not lie wholly inside its client area and
    // the frame holding them, each as "name (x,y w x h)"; empty when the window shows all of
    // itself.
    static QStringList controls_cut_off(QWidget* window);

    QTemporaryDir dir_;
    std::unique_ptr<platform::App> app_;
    MsgBoxScript msgs;
    ModalScript modals;
    // Printing sees no CUPS queue, only the PDF device; this answers its save dialog and
    // every other file dialog.
    FileDialogScript files;
};

}  // namespace testing_support
