#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include "fixture.h"
#include "platform/registry.h"
#include "shell/frmAbout.h"
#include "shell/frmOVRA.h"

using platform::form;
using namespace platform::registry;

namespace {

const QString kUnavailable = "System Information Is Unavailable At This Time";
const QString kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class AboutBox : public testing_support::OvraTest {
protected:
    frmAbout& about() { return form<frmAbout>(); }
    platform::Registry& registry() { return form<platform::Registry>(); }
};

TEST_F(AboutBox, OpensModallyWithTheBuildVersionAndClosesWithOKOrEscape) {
    start_program();
    modals.on("frmAbout", [](platform::Window& w) {
        auto& c = static_cast<frmAbout&>(w).ui();
        EXPECT_TRUE(c.lblVersion->text().startsWith("Version "));
        EXPECT_EQ(w.caption(), "OVRA - " + c.Label1->text());
        click(c.cmdOK);
    });
    form<frmOVRA>().ui().MnuHelpAbout->trigger();
    EXPECT_FALSE(about().is_loaded());
    EXPECT_EQ(frmAbout::version_text(5, 4, 0), "Version 5.4.0");
    // Escape closes it like OK.
    about().show();
    about().escape_key();
    EXPECT_FALSE(about().is_loaded());
}

TEST_F(AboutBox, RegistryValuesAreReadAsText) {
    const long hklm = HKEY_LOCAL_MACHINE;
    registry().set_value(hklm, "Software\\Test", "WithZero", REG_SZ, QByteArray("C:\\Tools", 9));
    registry().set_value(hklm, "Software\\Test", "NoZero", REG_SZ, "C:\\Tools");
    registry().set_value(hklm, "Software\\Test", "Number", REG_DWORD,
                         QByteArray("\x05\x01\x00\x00", 4));
    registry().set_value(hklm, "Software\\Test", "Binary", 3, "xy");
    QString value = "old";
    EXPECT_TRUE(about().GetKeyValue(hklm, "SOFTWARE\\TEST", "WithZero", value));
    EXPECT_EQ(value, "C:\\Tools");
    EXPECT_TRUE(about().GetKeyValue(hklm, "Software\\Test", "NoZero", value));
    EXPECT_EQ(value, "C:\\Tools");
    EXPECT_TRUE(about().GetKeyValue(hklm, "Software\\Test", "Number", value));
    EXPECT_EQ(value, "&h105");
    value = "kept";
    EXPECT_TRUE(about().GetKeyValue(hklm, "Software\\Test", "Binary", value));
    EXPECT_EQ(value, "kept");

    EXPECT_FALSE(about().GetKeyValue(hklm, "Software\\Missing", "NoZero", value));
    EXPECT_EQ(value, "");
    value = "x";
    EXPECT_FALSE(about().GetKeyValue(hklm, "Software\\Test", "Missing", value));
    EXPECT_EQ(value, "");
    // Every key opened was closed again.
    for (const QString& open : registry().open) EXPECT_TRUE(open.isEmpty());
}

TEST_F(AboutBox, SystemInformationRunsTheToolTheRegistryNamesOrIsUnavailable) {
    const long hklm = HKEY_LOCAL_MACHINE;
    // This platform's empty registry, then a folder without the tool.
    for (int step = 0; step < 2; ++step) {
        if (step == 1)
            registry().set_value(hklm, kLocationKey, "MSINFO", REG_SZ, dir_.path().toLocal8Bit());
        msgs.expect(kUnavailable, platform::vbOK, platform::vbOKOnly, "OVRA");
        about().StartSysInfo();
    }
    // The tool in the folder named (the value stored with its terminating zero) is started.
    write("MSINFO32.EXE", "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
    QFile::setPermissions(path("MSINFO32.EXE"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    registry().set_value(hklm, kLocationKey, "MSINFO", REG_SZ,
                         QByteArray(dir_.path().toLocal8Bit()) + '\0');
    about().StartSysInfo();
    EXPECT_TRUE(QTest::qWaitFor([this] { return exists("started"); }, 5000));
    // A path of its own comes first, even to a tool that is not there.
    registry().set_value(hklm, kSysInfoKey, "PATH", REG_SZ, path("missing-tool").toLocal8Bit());
    msgs.expect(kUnavailable, platform::vbOK, platform::vbOKOnly, "OVRA");
    about().StartSysInfo();
}

}  // namespace
