#include "frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStyle>

#include "maker.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/registry.h"

using namespace platform::registry;

namespace {
const QString kDescription = QStringLiteral("Household Address Book and Labels");
const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
}  // namespace

frmAbout::frmAbout() : Form(QStringLiteral("frmAbout")) {}

void frmAbout::build(QWidget* w, frmAbout_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("OVRA - ") + kDescription);
    platform::set_client_size(w, 5730, 3960);

    c.picIcon = platform::make_label(w, "picIcon", QString(), 240, 240, 540, 540);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = w->style()->standardIcon(QStyle::SP_DirHomeIcon);
    c.picIcon->setPixmap(icon.pixmap(platform::tw(540)));

    c.Label3 = platform::make_label(w, "Label3", QStringLiteral("OVRA"), 1050, 180, 4440, 480);
    c.Label3->setFont(QFont(QStringLiteral("Arial"), 18, QFont::Bold));
    c.Label1 = platform::make_label(w, "Label1", kDescription, 1050, 690, 4440, 300);
    c.Label1->setFont(QFont(QStringLiteral("Arial"), 10));
    c.lblVersion = platform::make_label(w, "lblVersion", QString(), 1050, 1020, 4440, 285);
    c.Label2 = platform::make_label(w, "Label2", kMakerWebSiteShown, 1050, 1305, 4440, 285);
    c.lblDescription = platform::make_label(
        w, "lblDescription", QStringLiteral("Copyright \u00A9 Vantrel Press. All rights reserved."),
        1050, 1590, 4440, 285);

    for (int i = 0; i < 2; ++i) {
        c.Line1[i] = new QFrame(w);
        c.Line1[i]->setObjectName(QStringLiteral("Line1(%1)").arg(i));
        c.Line1[i]->setFrameShape(QFrame::HLine);
        c.Line1[i]->setFrameShadow(QFrame::Sunken);
    }
    platform::place(c.Line1[0], 120, 1965, 5490, 30);
    c.lblDisclaimer = platform::make_label(
        w, "lblDisclaimer",
        QStringLiteral(
            "Warning: This program is protected by copyright law. Unauthorised copying or "
            "distribution of this program, or of any part of it, may result in civil and "
            "criminal penalties and will be prosecuted to the full extent of the law."),
        240, 2085, 5250, 1020);
    c.lblDisclaimer->setWordWrap(true);
    c.lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::place(c.Line1[1], 120, 3150, 5490, 30);

    c.cmdOK = platform::make_button(w, "cmdOK", QStringLiteral("OK"), 4230, 3390, 1260, 375);
    c.cmdOK->setDefault(true);
    platform::on_click(c.cmdOK, [this] { cmdOK_Click(); });
}

QString frmAbout::version_text(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

void frmAbout::Form_Load() {
    ui().lblVersion->setText(
        version_text(OVRA_VERSION_MAJOR, OVRA_VERSION_MINOR, OVRA_VERSION_PATCH));
}

void frmAbout::cmdOK_Click() {
    unload();
}

void frmAbout::StartSysInfo() {
    QString SysInfoPath;
    bool found = GetKeyValue(HKEY_LOCAL_MACHINE, kSysInfoKey, QStringLiteral("PATH"), SysInfoPath);
    if (!found && GetKeyValue(HKEY_LOCAL_MACHINE, kSysInfoLocationKey, QStringLiteral("MSINFO"),
                              SysInfoPath)) {
        SysInfoPath = QDir(SysInfoPath).filePath(QStringLiteral("MSINFO32.EXE"));
        found = platform::file_exists(SysInfoPath);
    }
    if (found && QProcess::startDetached(SysInfoPath, {})) return;
    platform::msgbox(QStringLiteral("System Information Is Unavailable At This Time"),
                     platform::vbOKOnly);
}

bool frmAbout::GetKeyValue(long KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal) {
    long hKey = 0;
    long KeyValType = 0;
    QByteArray tmpVal(1024, '\0');
    long KeyValSize = long(tmpVal.size());
    const bool ok =
        RegOpenKeyEx(KeyRoot, KeyName, 0, KEY_ALL_ACCESS, hKey) == ERROR_SUCCESS &&
        RegQueryValueEx(hKey, SubKeyRef, KeyValType, tmpVal, KeyValSize) == ERROR_SUCCESS;
    if (hKey) RegCloseKey(hKey);
    if (!ok) {
        KeyVal.clear();
        return false;
    }
    if (KeyValType == REG_SZ) {
        // A string stored with its terminating zero is returned without it.
        const long kept = KeyValSize > 0 && tmpVal.at(qsizetype(KeyValSize) - 1) == '\0'
                              ? KeyValSize - 1
                              : KeyValSize;
        KeyVal = QString::fromLocal8Bit(tmpVal.left(kept));
    } else if (KeyValType == REG_DWORD) {
        quint32 number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | quint8(tmpVal.at(i));
        KeyVal = QStringLiteral("&h") + QString::number(number, 16).toUpper();
    }
    return true;
}
