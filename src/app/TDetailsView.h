// The details view of the main window's Files page: a genealogy file read with the readers (on a
// thread of its own, under the wait dialog), the individual selector, and the header, individual
// and family pages in three tabs. The chosen tab is kept in LastTab. The view owns the collection
// from a successful open until Close or the next open. Keys: Ctrl+Down and Ctrl+Up step to the next
// and previous individual, Ctrl+1 to Ctrl+3 choose the page, Alt+Left and Alt+Right go back and
// forward.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

class QTabWidget;

namespace kinshelf {

class CollectionLoader;
class FamilyPageView;
class HeaderPageView;
class IndividualPageView;
class TWaitDlg;
class WABSCollection;
class WIndScroll;
class WOptions;

class TDetailsView final : public QWidget {
  Q_OBJECT

 public:
  enum Tab { kHeaderTab, kIndividualTab, kFamilyTab };

  TDetailsView(WOptions& options, QWidget* parent = nullptr);
  ~TDetailsView() override;

  // Reads the file and shows it: nothing while another read runs, for an empty path or for the file
  // already open; a message when the file is gone or the readers refuse it.
  void Open(const std::string& path);
  // Frees the collection and empties the pages; a read still running is cancelled.
  void Close();
  bool Loading() const { return loading_; }
  WABSCollection* Collection() const { return collection_.get(); }
  const std::string& Path() const { return path_; }
  WIndScroll& Selector() const { return *selector_; }
  QTabWidget& Tabs() const { return *tabs_; }
  HeaderPageView& HeaderPage() const { return *header_; }
  IndividualPageView& IndividualPage() const { return *individual_; }
  FamilyPageView& FamilyPage() const { return *family_; }
  TWaitDlg& WaitDialog() const { return *wait_; }

 signals:
  // The main window's caption while a file is read or shown; empty for its own caption.
  void CaptionChanged(const QString& caption);
  // A read ended, whether with a collection or not.
  void OpenFinished();

 private:
  void AddKeys();
  void LoadFinished();
  void ReadFailed(const QString& message);
  void RecordFailed(const QString& message);
  void RefreshPage();
  void ClearPages();

  WOptions& options_;
  std::unique_ptr<WABSCollection> collection_;
  std::string path_;
  std::string pendingPath_;  // asked for while a cancelled read was still ending
  bool loading_ = false;
  bool closing_ = false;  // closed while a read ran: its collection is not wanted
  double loadSeconds_ = 0;
  WIndScroll* selector_;
  QTabWidget* tabs_;
  HeaderPageView* header_;
  IndividualPageView* individual_;
  FamilyPageView* family_;
  CollectionLoader* loader_;
  std::unique_ptr<TWaitDlg> wait_;
};

}  // namespace kinshelf
