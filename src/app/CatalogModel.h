// The catalog grid's rows: the ids of one listing of the store, and for the row last asked for, its
// file's texts, bookmark and whether it is on disk (one row is cached at a time, as the grid paints
// row by row). An empty listing still has one, empty, row. Main thread only.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "catalog/store/ListingFilter.h"

namespace kinshelf {

class WFileStore;
class WIntArray;
class WOptions;

class CatalogModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The grid's columns, in the listing's order.
  enum Column { kName, kType, kSize, kModified, kFullPath, kColumnCount };
  enum Role { kBookmarkRole = Qt::UserRole + 1, kExistsRole, kFileIdRole };

  // Reads `store` and the date settings of `options`; both must outlive the model.
  CatalogModel(WFileStore& store, const WOptions& options, QObject* parent = nullptr);
  ~CatalogModel() override;

  // Lists the store anew with the filter.
  void SetListing(const ListingFilter& filter);
  const ListingFilter& Filter() const { return filter_; }
  // The number of listed files (0 for the one empty row of an empty listing).
  std::int32_t ListedCount() const;
  // The file id of a row; 0 past the listed files.
  std::int32_t FileIdAt(int row) const;
  // The ids of every listed file, in order.
  std::vector<std::int32_t> ListedIds() const;
  // Forgets the cached row and repaints every cell: a file's record or its state on disk changed.
  void Refresh();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  struct CachedRow {
    int row = -1;
    QString texts[kColumnCount];
    bool bookmark = false;
    bool exists = false;
  };

  const CachedRow& RowAt(int row) const;

  WFileStore& store_;
  const WOptions& options_;
  ListingFilter filter_;
  std::unique_ptr<WIntArray> ids_;
  mutable CachedRow cache_;
};

}  // namespace kinshelf
