// The update notice: which first lines of the news name a newer version, and the window's check
// against a news server of the test's own on 127.0.0.1 (its copy of the news, the blinking button,
// the silence when there is no server, and the button's way to the update page).
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <vector>

#include "IsolatedHome.h"
#include "app/TMainForm.h"
#include "app/WCheckTipsNews.h"
#include "catalog/CatalogSession.h"
#include "platform/IniFile.h"
#include "settings/WOptions.h"

namespace kinshelf {
namespace {

TEST(WCheckTipsNewsTest, OnlyTwoDecimalNumbersAboveTheRunningVersionAreNewer) {
  const struct {
    const char* line;
    bool newer;
  } rows[] = {
      {"1.02", false}, {"1.2", false},   {"1.01", false}, {"0.99", false},  {"1.03", true},
      {"1.3", true},   {"2.0", true},    {"10.00", true}, {"1.0.3", false}, {"1", false},
      {"1.", false},   {".3", false},    {"1.x3", false}, {"-2.0", false},  {"", false},
      {" 1.03 ", true}, {"99999999999.0", false},
  };
  for (const auto& row : rows) EXPECT_EQ(WCheckTipsNews::NamesNewerVersion(row.line), row.newer) << row.line;
}

// Answers every request with the same HTTP response.
class NewsServer {
 public:
  explicit NewsServer(QByteArray response) : response_(std::move(response)) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    QObject::connect(&server_, &QTcpServer::newConnection, [this] { Answer(); });
  }
  QString Address() const { return QStringLiteral("http://127.0.0.1:%1/ksnews.inf").arg(server_.serverPort()); }
  int Requests() const { return requests_; }

 private:
  void Answer() {
    QTcpSocket* socket = server_.nextPendingConnection();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
      if (!socket->readAll().contains("\r\n\r\n")) return;
      ++requests_;
      socket->write(response_);
      socket->disconnectFromHost();
    });
  }

  QTcpServer server_;
  QByteArray response_;
  int requests_ = 0;
};

QByteArray Served(const QByteArray& body) {
  return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
         QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// Receives the URLs the window hands to the browser.
class Browser : public QObject {
  Q_OBJECT
 public:
  std::vector<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

class UpdateNoticeTest : public testing::Test {
 protected:
  // The window started with the news at `address`; the previous copy of the news is "old".
  void StartWith(const QString& address) {
    session_.Options().SetBool(opt::AutoUpdate, false);
    session_.Options().SetBool(opt::FirstTime, false);
    home_.WriteFile("config/Orrinvale/Kinshelf1/ksnews.inf", "old");
    platform::IniFile ini(session_.Options().Path());
    ini.WriteString("General", WCheckTipsNews::kAddressKey, address.toStdString());
    ini.Save();
    session_.Options().Close();
    session_.Options().Open(ini.Path());
    window_ = std::make_unique<TMainForm>(session_);
    notice_ = window_->findChild<QAction*>("butTopNewUpdate");
    QObject::connect(notice_, &QAction::visibleChanged, [this] { shown_.push_back(notice_->isVisible()); });
    window_->show();
    window_->StartUp();
  }
  std::string LocalNews() const { return test::ReadFile(home_.Path("config/Orrinvale/Kinshelf1/ksnews.inf")); }

  test::IsolatedHome home_;
  CatalogSession session_;
  std::unique_ptr<TMainForm> window_;
  QAction* notice_ = nullptr;
  std::vector<bool> shown_;
};

TEST_F(UpdateNoticeTest, ANewerVersionBlinksTheButtonThreeTimesAndLeavesItShown) {
  NewsServer server(Served("1.03\r\nWhat is new: everything\r\n"));
  StartWith(server.Address());
  ASSERT_TRUE(QTest::qWaitFor([this] { return shown_.size() == 5; }, 10000));
  QTest::qWait(700);  // the sixth tick stops the blinking and changes nothing
  EXPECT_EQ(shown_, (std::vector<bool>{true, false, true, false, true}));
  EXPECT_TRUE(notice_->isVisible());
  EXPECT_EQ(LocalNews(), "1.03\r\nWhat is new: everything\r\n");
  EXPECT_EQ(server.Requests(), 1);

  Browser browser;
  QDesktopServices::setUrlHandler("https", &browser, "Open");
  notice_->trigger();
  QDesktopServices::unsetUrlHandler("https");
  ASSERT_EQ(browser.opened.size(), 1u);
  EXPECT_EQ(browser.opened[0].toString(), WCheckTipsNews::kUpdatePage);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(UpdateNoticeTest, TheRunningVersionOrNoServerShowsNothing) {
  {
    NewsServer server(Served("1.02\n"));
    StartWith(server.Address());
    ASSERT_TRUE(QTest::qWaitFor([this] { return LocalNews() == "1.02\n"; }, 10000));
  }
  QTest::qWait(400);
  EXPECT_TRUE(shown_.empty());
  window_.reset();
  shown_.clear();
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
  const quint16 port = closed.serverPort();
  closed.close();
  StartWith(QStringLiteral("http://127.0.0.1:%1/ksnews.inf").arg(port));
  EXPECT_EQ(LocalNews(), "");  // emptied before the request, and left so when it fails
  QTest::qWait(400);
  EXPECT_TRUE(shown_.empty());
}

// News larger than any news file is not kept, also from an address that gives it whole.
TEST_F(UpdateNoticeTest, NewsLargerThanAnyNewsFileIsNotKept) {
  const std::string big = home_.WriteFile("big.inf", "1.03\n" + std::string(1024 * 1024, 'x'));
  StartWith(QUrl::fromLocalFile(QString::fromStdString(big)).toString());
  // The check is over when it is gone.
  ASSERT_TRUE(QTest::qWaitFor([this] { return window_->findChild<WCheckTipsNews*>() == nullptr; }, 10000));
  EXPECT_EQ(LocalNews(), "");
  EXPECT_TRUE(shown_.empty());
}

}  // namespace
}  // namespace kinshelf

#include "UpdateNoticeTest.moc"
