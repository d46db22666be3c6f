#include <QAction>
#include <QEventLoop>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include "fixture.h"
#include "platform/controls.h"
#include "shell/frmBrowser.h"
#include "shell/frmOVRA.h"
#include "shell/maker.h"

using platform::form;

namespace {

constexpr int kLoadTimeout = 15000;

// Serves small pages on 127.0.0.1: "/x" is a page titled "Page x"; "/slow" never answers.
class LocalServer {
public:
    LocalServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection())
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
        });
    }
    QString url(const QString& page) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(server_.serverPort()).arg(page);
    }
    int requests(const QString& page) const { return requests_.value(page); }
    int total() const {
        int n = 0;
        for (int r : requests_) n += r;
        return n;
    }

private:
    void answer(QTcpSocket* s) {
        QByteArray& in = pending_[s];
        in += s->readAll();
        if (!in.contains("\r\n\r\n")) return;
        const QString page = QString::fromLatin1(in.split(' ').value(1)).mid(1);
        pending_.remove(s);
        if (page == QLatin1String("favicon.ico")) {
            s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            s->disconnectFromHost();
            return;
        }
        ++requests_[page];
        if (page == QLatin1String("slow")) return;
        const QByteArray body = "<html><head><title>Page " + page.toLatin1() +
                                "</title></head><body>" + page.toLatin1() + "</body></html>";
        s->write(
            "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nCache-Control: no-store\r\nConnection: "
            "close\r\n"
            "Content-Length: " +
            QByteArray::number(body.size()) + "\r\n\r\n" + body);
        s->disconnectFromHost();
    }

    QTcpServer server_;
    QMap<QString, int> requests_;
    QMap<QTcpSocket*, QByteArray> pending_;
};

// Keeps the tests off the network: every request that is not for 127.0.0.1 is refused and noted.
class LocalOnly : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.requestUrl().host() == QLatin1String("127.0.0.1")) return;
        refused << info.requestUrl().toString();
        info.block(true);
    }
    QStringList refused;
};

// Runs the event loop until the condition holds. The engine's work is scheduled from a running
// event loop; QTest::qWaitFor's polling leaves it far behind.
bool wait_until(const std::function<bool()>& condition, int timeout_ms = kLoadTimeout) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition()) loop.quit();
    });
    QTimer::singleShot(timeout_ms, &loop, &QEventLoop::quit);
    poll.start(5);
    if (!condition()) loop.exec();
    return condition();
}

void run_events(int ms) {
    wait_until([] { return false; }, ms);
}

class Browser : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&local_only);
    }
    void TearDown() override {
        OvraTest::TearDown();
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
    }

    frmBrowser& open(const QString& starting) {
        auto& b = form<frmBrowser>();
        b.StartingAddress = starting;
        b.load();
        return b;
    }
    frmBrowser_ui::Controls& c() { return form<frmBrowser>().ui(); }
    // Waits until the page is shown and the busy indicator has stopped.
    bool settled(const QString& page) {
        return wait_until([&] {
            return c().brwWebBrowser->url().toString() == server.url(page) &&
                   !c().timTimer->isActive() && !c().brwWebBrowser->Busy();
        });
    }
    // Typed as a user types: the keys go to the focused address box, not to its line edit.
    void enter(const QString& address, Qt::Key key = Qt::Key_Return) {
        QLineEdit* box = c().cboAddress->lineEdit();
        box->selectAll();
        box->del();
        QTest::keyClicks(c().cboAddress, address);
        QTest::keyClick(c().cboAddress, key,
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    void press(const char* key) {
        QAction* a = c().tbToolBar->findChild<QAction*>(QString::fromLatin1(key));
        ASSERT_TRUE(a) << key;
        QTest::mouseClick(c().tbToolBar->widgetForAction(a), Qt::LeftButton);
    }
    QStringList addresses() {
        QStringList list;
        for (int i = 0; i < c().cboAddress->count(); ++i) list << c().cboAddress->itemText(i);
        return list;
    }

    LocalServer server;
    LocalOnly local_only;
};

TEST_F(Browser, WithoutAStartingAddressNothingIsLoaded) {
    auto& b = open(QString());
    EXPECT_TRUE(b.is_shown());
    EXPECT_EQ(controls_cut_off(b.widget()), QStringList());
    EXPECT_FALSE(c().timTimer->isActive());
    EXPECT_EQ(c().cboAddress->count(), 0);
    EXPECT_EQ(c().cboAddress->currentText(), kMakerWebSite);
    run_events(300);
    EXPECT_TRUE(c().brwWebBrowser->url().isEmpty());
    EXPECT_EQ(server.total(), 0);
    EXPECT_TRUE(local_only.refused.isEmpty());
}

TEST_F(Browser, StartingAddressIsLoadedTitledAndListed) {
    auto& b = open(server.url("a"));
    ASSERT_TRUE(settled("a"));
    EXPECT_EQ(b.caption(), "Page a");
    EXPECT_EQ(addresses(), QStringList{server.url("a")});
    EXPECT_EQ(server.requests("a"), 1);
}

TEST_F(Browser, AddressListKeepsEachPageOnceMostRecentFirst) {
    open(server.url("a"));
    ASSERT_TRUE(settled("a"));
    enter(server.url("b"));
    ASSERT_TRUE(settled("b"));
    enter(server.url("c"), Qt::Key_Enter);
    ASSERT_TRUE(settled("c"));
    enter(server.url("a"));
    ASSERT_TRUE(settled("a"));
    EXPECT_EQ(addresses(), (QStringList{server.url("a"), server.url("c"), server.url("b")}));

    // Choosing an entry goes there and moves it up.
    c().cboAddress->setCurrentIndex(2);
    ASSERT_TRUE(settled("b"));
    EXPECT_EQ(addresses(), (QStringList{server.url("b"), server.url("a"), server.url("c")}));
    EXPECT_EQ(c().cboAddress->currentIndex(), 0);

    // Rewriting the list chose its first entry each time, which must not have loaded it again.
    run_events(300);
    EXPECT_EQ(server.requests("a"), 2);
    EXPECT_EQ(server.requests("b"), 2);
    EXPECT_EQ(server.requests("c"), 1);
}

TEST_F(Browser, ToolbarGoesBackForwardHomeAndSearch) {
    auto& b = open(server.url("a"));
    ASSERT_TRUE(settled("a"));
    enter(server.url("b"));
    ASSERT_TRUE(settled("b"));
    press("Back");
    ASSERT_TRUE(settled("a"));
    EXPECT_EQ(b.caption(), "Page a");
    press("Forward");
    ASSERT_TRUE(settled("b"));
    EXPECT_EQ(b.caption(), "Page b");

    c().brwWebBrowser->home_page = QUrl(server.url("home"));
    c().brwWebBrowser->search_page = QUrl(server.url("search"));
    press("Home");
    ASSERT_TRUE(settled("home"));
    press("Search");
    ASSERT_TRUE(settled("search"));
    EXPECT_EQ(b.caption(), "Page search");
    press("Refresh");
    EXPECT_TRUE(wait_until([&] { return server.requests("search") == 2; }));
    EXPECT_EQ(addresses().first(), server.url("search"));
}

TEST_F(Browser, StopEndsTheWorkingTitleAtOnce) {
    auto& b = open(server.url("a"));
    ASSERT_TRUE(settled("a"));
    enter(server.url("slow"));
    ASSERT_TRUE(wait_until(
        [&] { return b.caption() == "Working..." && server.requests("slow") == 1; }, kLoadTimeout));
    press("Stop");
    EXPECT_NE(b.caption(), "Working...");
    EXPECT_FALSE(c().timTimer->isActive());
    run_events(300);
    EXPECT_NE(b.caption(), "Working...");
    EXPECT_FALSE(c().brwWebBrowser->Busy());
}

TEST_F(Browser, AWindowTooSmallForThePageLeavesItNoRoomAndRecovers) {
    auto& b = open(server.url("a"));
    ASSERT_TRUE(settled("a"));
    // Shorter than the toolbar and the address strip together.
    b.widget()->resize(120, 90);
    run_events(50);
    ASSERT_LT(c().picAddress->parentWidget()->height() * platform::kTwipsPerPixel, 880);
    EXPECT_EQ(platform::height(c().brwWebBrowser), 0);
    b.widget()->resize(640, 480);
    run_events(50);
    EXPECT_EQ(controls_cut_off(b.widget()), QStringList());
    EXPECT_GT(platform::height(c().brwWebBrowser), 0);
    EXPECT_EQ(platform::width(c().cboAddress), platform::width(c().picAddress) - 100);
    EXPECT_EQ(b.caption(), "Page a");
}

TEST_F(Browser, WebSiteCommandOpensTheMakersSiteMaximisedBesideTheMainWindow) {
    start_program();
    form<frmOVRA>().ui().mnuVantrelPress->trigger();
    auto& b = form<frmBrowser>();
    ASSERT_TRUE(b.is_shown());
    EXPECT_TRUE(b.widget()->isMaximized());
    EXPECT_EQ(b.widget()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(c().tbToolBar->isVisible());
    EXPECT_EQ(addresses(), QStringList{kMakerWebSite});
    EXPECT_TRUE(wait_until([&] { return local_only.refused.contains(kMakerWebSite); }));
    // The main window stays usable, and closing the browser unloads it.
    EXPECT_TRUE(form<frmOVRA>().widget()->isEnabled());
    b.widget()->close();
    EXPECT_FALSE(b.is_loaded());
}

}  // namespace
