// The update check.
#include "app/WCheckTipsNews.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace kinshelf {

namespace {

constexpr int kRunningMajor = 1;
constexpr int kRunningMinor = 2;
// The news is one short line; a server that sends more than this is not serving it.
constexpr qint64 kLargestNews = 64 * 1024;
constexpr int kTransferTimeoutMs = 30000;

// A part of the version: decimal digits only, and few enough to fit an int.
bool ToNumber(const QByteArray& part, int& value) {
  if (part.isEmpty() || part.size() > 9) return false;
  for (const char c : part)
    if (c < '0' || c > '9') return false;
  value = part.toInt();
  return true;
}

QByteArray FirstLine(const QString& file) {
  QFile news(file);
  if (!news.open(QIODevice::ReadOnly)) return {};
  QByteArray line = news.readLine(kLargestNews);
  if (line.endsWith('\n')) line.chop(1);
  if (line.endsWith('\r')) line.chop(1);
  return line;
}

}  // namespace

bool WCheckTipsNews::NamesNewerVersion(const QByteArray& firstLine) {
  const QList<QByteArray> parts = firstLine.trimmed().split('.');
  int major = 0;
  int minor = 0;
  if (parts.size() != 2 || !ToNumber(parts[0], major) || !ToNumber(parts[1], minor)) return false;
  return major > kRunningMajor || (major == kRunningMajor && minor > kRunningMinor);
}

void WCheckTipsNews::Start(const QUrl& address, const QString& localFile, QObject* receiver,
                           const std::function<void()>& onNewer) {
  auto* check = new WCheckTipsNews(localFile, onNewer, receiver);
  QFile local(localFile);
  if (!local.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    check->deleteLater();
    return;
  }
  check->Fetch(address);
}

WCheckTipsNews::WCheckTipsNews(const QString& localFile, std::function<void()> onNewer, QObject* parent)
    : QObject(parent),
      localFile_(localFile),
      onNewer_(std::move(onNewer)),
      network_(new QNetworkAccessManager(this)) {}

void WCheckTipsNews::Fetch(const QUrl& address) {
  QNetworkRequest request(address);
  request.setTransferTimeout(kTransferTimeoutMs);
  reply_ = network_->get(request);
  reply_->setReadBufferSize(kLargestNews);
  connect(reply_, &QIODevice::readyRead, this, &WCheckTipsNews::Received);
  connect(reply_, &QNetworkReply::finished, this, &WCheckTipsNews::Finished);
}

void WCheckTipsNews::Received() {
  body_ += reply_->readAll();
  if (body_.size() > kLargestNews) reply_->abort();
}

// Only a whole, successful download is kept and read; any failure leaves the local copy empty.
void WCheckTipsNews::Finished() {
  deleteLater();
  reply_->deleteLater();
  if (reply_->error() != QNetworkReply::NoError) return;
  body_ += reply_->readAll();
  // Not every scheme reports as it reads: a local file comes whole.
  if (body_.size() > kLargestNews) return;
  QFile local(localFile_);
  if (!local.open(QIODevice::WriteOnly | QIODevice::Truncate) || local.write(body_) != body_.size()) return;
  local.close();
  if (NamesNewerVersion(FirstLine(localFile_))) onNewer_();
}

}  // namespace kinshelf
