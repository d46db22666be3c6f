#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineView>

#include "platform/window.h"

// The page control: a web view with the home and search pages and the few properties the
// browser window reads.
class WebBrowser : public QWebEngineView {
public:
    explicit WebBrowser(QWidget* parent);

    QUrl home_page;
    QUrl search_page;

    void Navigate(const QString& address);
    void GoBack();
    void GoForward();
    void GoHome() { go(home_page); }
    void GoSearch() { go(search_page); }
    void Refresh();
    void Stop();
    // The page's name (its title, or its address while it has none) and its address.
    QString LocationName() const;
    QString LocationURL() const { return url().toString(); }
    // Loading, from the request on: the engine reports a load only some time after it was asked.
    bool Busy() const { return requested_ || loading_; }

private:
    void go(const QUrl& url);

    bool requested_ = false;
    bool loading_ = false;
};

namespace frmBrowser_ui {
struct Controls {
    QToolBar* tbToolBar = nullptr;
    QWidget* picAddress = nullptr;
    QLabel* lblAddress = nullptr;
    QComboBox* cboAddress = nullptr;
    WebBrowser* brwWebBrowser = nullptr;
    QTimer* timTimer = nullptr;
};
}  // namespace frmBrowser_ui

// The built-in web browser: a modeless window with the toolbar, the address box that keeps the
// addresses visited (most recent first) and the page.
class frmBrowser : public platform::Form<frmBrowser_ui::Controls> {
public:
    frmBrowser();

    // The address shown first; set before the window is loaded.
    QString StartingAddress;

    void Form_Resize();
    void tbToolBar_ButtonClick(const QString& key);
    void cboAddress_Click();
    void cboAddress_KeyPress(int KeyAscii);
    void brwWebBrowser_NavigateComplete2();
    void brwWebBrowser_DownloadComplete();
    void timTimer_Timer();

protected:
    QWidget* create_widget() override;
    void build(QWidget* form, frmBrowser_ui::Controls& c) override;
    void Form_Load() override;

private:
    // True while the address list is rewritten, so its click events start no navigation.
    bool suppress_navigation = false;
};
