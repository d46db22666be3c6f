#include "frmBrowser.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QStyle>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <functional>

#include "maker.h"
#include "platform/controls.h"

namespace {

const QString kSearchPage = QStringLiteral("https://duckduckgo.com/");

// Hands one object's events to a function; returning true consumes the event.
class EventHook : public QObject {
public:
    EventHook(QObject* watched, std::function<bool(QEvent*)> fn)
        : QObject(watched), fn_(std::move(fn)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override { return fn_(event); }

private:
    std::function<bool(QEvent*)> fn_;
};

}  // namespace

WebBrowser::WebBrowser(QWidget* parent)
    : QWebEngineView(parent), home_page(kMakerWebSite), search_page(kSearchPage) {
    // The engine's own loading flag can lag behind these signals, so they alone decide.
    connect(this, &QWebEngineView::loadStarted, this, [this] {
        requested_ = false;
        loading_ = true;
    });
    connect(this, &QWebEngineView::urlChanged, this, [this] { requested_ = false; });
    connect(this, &QWebEngineView::loadFinished, this, [this] { loading_ = false; });
}

void WebBrowser::go(const QUrl& url) {
    if (!url.isValid()) return;
    requested_ = true;
    load(url);
}

void WebBrowser::Navigate(const QString& address) {
    go(QUrl::fromUserInput(address));
}

void WebBrowser::GoBack() {
    if (!history()->canGoBack()) return;
    requested_ = true;
    back();
}

void WebBrowser::GoForward() {
    if (!history()->canGoForward()) return;
    requested_ = true;
    forward();
}

void WebBrowser::Refresh() {
    if (url().isEmpty()) return;
    requested_ = true;
    reload();
}

void WebBrowser::Stop() {
    requested_ = false;
    loading_ = false;
    stop();
}

QString WebBrowser::LocationName() const {
    const QString name = title();
    return name.isEmpty() ? LocationURL() : name;
}

frmBrowser::frmBrowser() : Form(QStringLiteral("frmBrowser")) {}

QWidget* frmBrowser::create_widget() {
    return new platform::FormMainWindow(this);
}

void frmBrowser::build(QWidget* w, frmBrowser_ui::Controls& c) {
    auto* main = static_cast<QMainWindow*>(w);
    main->setWindowTitle(QStringLiteral("Web Browser"));
    main->resize(platform::tw(12000), platform::tw(9000));

    c.tbToolBar = new QToolBar(main);
    c.tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    c.tbToolBar->setMovable(false);
    c.tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    main->addToolBar(c.tbToolBar);
    const struct {
        const char* key;
        QIcon icon;
    } buttons[] = {
        {"Back", w->style()->standardIcon(QStyle::SP_ArrowBack)},
        {"Forward", w->style()->standardIcon(QStyle::SP_ArrowForward)},
        {"Stop", w->style()->standardIcon(QStyle::SP_BrowserStop)},
        {"Refresh", w->style()->standardIcon(QStyle::SP_BrowserReload)},
        {"Home", QIcon::fromTheme(QStringLiteral("go-home"),
                                  w->style()->standardIcon(QStyle::SP_DirHomeIcon))},
        {"Search", QIcon::fromTheme(QStringLiteral("edit-find"),
                                    w->style()->standardIcon(QStyle::SP_FileDialogContentsView))},
    };
    for (const auto& b : buttons) {
        const QString key = QString::fromLatin1(b.key);
        QAction* a = c.tbToolBar->addAction(b.icon, key);
        a->setObjectName(key);
        QObject::connect(a, &QAction::triggered, a, [this, key] {
            platform::guarded(QStringLiteral("tbToolBar_ButtonClick"),
                              [this, key] { tbToolBar_ButtonClick(key); });
        });
    }

    auto* inner = new QWidget(main);
    main->setCentralWidget(inner);
    c.picAddress = new QWidget(inner);
    c.picAddress->setObjectName(QStringLiteral("picAddress"));
    platform::place(c.picAddress, 0, 0, 12000, 780);
    c.lblAddress = platform::make_label(c.picAddress, "lblAddress", QStringLiteral("&Address:"), 60,
                                        45, 1200, 255);
    c.cboAddress = new QComboBox(c.picAddress);
    c.cboAddress->setObjectName(QStringLiteral("cboAddress"));
    c.cboAddress->setEditable(true);
    // The list is this window's to keep: Enter neither adds nor completes entries.
    c.cboAddress->setInsertPolicy(QComboBox::NoInsert);
    c.cboAddress->setCompleter(nullptr);
    c.cboAddress->setEditText(kMakerWebSite);
    platform::place(c.cboAddress, 60, 360, 11880, 360);
    c.lblAddress->setBuddy(c.cboAddress);

    c.brwWebBrowser = new WebBrowser(inner);
    c.brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    platform::place(c.brwWebBrowser, 50, 830, 11900, 7000);

    c.timTimer = new QTimer(main);
    c.timTimer->setObjectName(QStringLiteral("timTimer"));
    c.timTimer->setInterval(5);

    auto run = [](const char* where, std::function<void()> fn) {
        platform::guarded(QString::fromLatin1(where), fn);
    };
    QObject::connect(c.timTimer, &QTimer::timeout, main,
                     [this, run] { run("timTimer_Timer", [this] { timTimer_Timer(); }); });
    QObject::connect(c.cboAddress, &QComboBox::currentIndexChanged, c.cboAddress,
                     [this, run] { run("cboAddress_Click", [this] { cboAddress_Click(); }); });
    // The box has the focus and hands its keys to its line edit directly, past any event filter;
    // the line edit reports Return and keypad Enter alike.
    QObject::connect(
        c.cboAddress->lineEdit(), &QLineEdit::returnPressed, c.cboAddress,
        [this, run] { run("cboAddress_KeyPress", [this] { cboAddress_KeyPress(13); }); });
    QObject::connect(c.brwWebBrowser, &QWebEngineView::urlChanged, c.brwWebBrowser, [this, run] {
        run("brwWebBrowser_NavigateComplete2", [this] { brwWebBrowser_NavigateComplete2(); });
    });
    QObject::connect(c.brwWebBrowser, &QWebEngineView::loadFinished, c.brwWebBrowser, [this, run] {
        run("brwWebBrowser_DownloadComplete", [this] { brwWebBrowser_DownloadComplete(); });
    });
    new EventHook(inner, [this, run](QEvent* e) {
        if (e->type() == QEvent::Resize) run("Form_Resize", [this] { Form_Resize(); });
        return false;
    });
}

void frmBrowser::Form_Load() {
    auto& c = ui();
    show();
    c.tbToolBar->update();
    Form_Resize();
    platform::place(c.cboAddress, 50,
                    platform::top(c.lblAddress) + platform::height(c.lblAddress) + 15);
    if (!StartingAddress.isEmpty()) {
        c.cboAddress->setEditText(StartingAddress);
        // Qt chooses the first entry added to an empty list; that is no choice of the user's.
        suppress_navigation = true;
        c.cboAddress->addItem(c.cboAddress->currentText());
        suppress_navigation = false;
        c.timTimer->start();
        c.brwWebBrowser->Navigate(StartingAddress);
    }
}

void frmBrowser::Form_Resize() {
    auto& c = ui();
    const QWidget* inner = c.picAddress->parentWidget();
    const int inner_width = inner->width() * platform::kTwipsPerPixel;
    const int inner_height = inner->height() * platform::kTwipsPerPixel;
    // A window smaller than the strip leaves the page with no room rather than a negative size.
    platform::set_width(c.picAddress, inner_width);
    platform::set_width(c.cboAddress, std::max(0, inner_width - 100));
    platform::set_width(c.brwWebBrowser, std::max(0, inner_width - 100));
    platform::set_height(
        c.brwWebBrowser,
        std::max(0, inner_height - (platform::top(c.picAddress) + platform::height(c.picAddress)) -
                        100));
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key) {
    auto& c = ui();
    WebBrowser* page = c.brwWebBrowser;
    c.timTimer->start();
    if (key == QLatin1String("Back")) {
        page->GoBack();
    } else if (key == QLatin1String("Forward")) {
        page->GoForward();
    } else if (key == QLatin1String("Refresh")) {
        page->Refresh();
    } else if (key == QLatin1String("Home")) {
        page->GoHome();
    } else if (key == QLatin1String("Search")) {
        page->GoSearch();
    } else if (key == QLatin1String("Stop")) {
        c.timTimer->stop();
        page->Stop();
        set_caption(page->LocationName());
    }
}

void frmBrowser::cboAddress_Click() {
    if (suppress_navigation) return;
    auto& c = ui();
    c.timTimer->start();
    c.brwWebBrowser->Navigate(c.cboAddress->currentText());
}

void frmBrowser::cboAddress_KeyPress(int KeyAscii) {
    if (KeyAscii == 13) cboAddress_Click();
}

void frmBrowser::brwWebBrowser_NavigateComplete2() {
    auto& c = ui();
    set_caption(c.brwWebBrowser->LocationName());
    const QString address = c.brwWebBrowser->LocationURL();
    int found = -1;
    for (int i = 0; i < c.cboAddress->count(); ++i) {
        if (c.cboAddress->itemText(i) == address) {
            found = i;
            break;
        }
    }
    suppress_navigation = true;
    if (found >= 0) c.cboAddress->removeItem(found);
    c.cboAddress->insertItem(0, address);
    c.cboAddress->setCurrentIndex(0);
    suppress_navigation = false;
}

void frmBrowser::brwWebBrowser_DownloadComplete() {
    set_caption(ui().brwWebBrowser->LocationName());
}

void frmBrowser::timTimer_Timer() {
    auto& c = ui();
    if (c.brwWebBrowser->Busy()) {
        set_caption(QStringLiteral("Working..."));
    } else {
        c.timTimer->stop();
        set_caption(c.brwWebBrowser->LocationName());
    }
}
