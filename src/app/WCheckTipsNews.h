// The update check: fetches the one-line news file from the maker's server into "ksnews.inf" in the
// settings folder and, when its first line names a version above 1.02, says so. The request runs
// asynchronously so that a slow or absent network never holds up the window; a failure is silent.
// The object deletes itself when the check is over.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace kinshelf {

class WCheckTipsNews final : public QObject {
  Q_OBJECT

 public:
  // Where the news comes from unless the settings name another address (General, NewsAddress; an
  // empty value turns the check off), and the page the notice leads to.
  static constexpr const char* kNewsAddress = "https://www.orrinvale.com/ksnews.inf";
  static constexpr const char* kUpdatePage = "https://www.orrinvale.com/kinshelf";
  static constexpr const char* kAddressKey = "NewsAddress";
  static constexpr const char* kLocalName = "ksnews.inf";

  // True when the line holds exactly two decimal numbers joined by one "." and they name a version
  // above 1.02 (the minor number compared as an integer: 1.2 is 1.02).
  static bool NamesNewerVersion(const QByteArray& firstLine);

  // Starts the check: `localFile` is emptied at once and then receives what the address serves.
  static void Start(const QUrl& address, const QString& localFile, QObject* receiver,
                    const std::function<void()>& onNewer);

 private:
  WCheckTipsNews(const QString& localFile, std::function<void()> onNewer, QObject* parent);
  void Fetch(const QUrl& address);
  void Finished();
  void Received();

  QString localFile_;
  std::function<void()> onNewer_;
  QNetworkAccessManager* network_;
  QNetworkReply* reply_ = nullptr;
  QByteArray body_;
};

}  // namespace kinshelf
