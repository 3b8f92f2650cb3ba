// The catalog grid's rows.
#include "app/CatalogModel.h"

#include "app/CatalogCellTexts.h"
#include "catalog/store/WFileStore.h"
#include "catalog/store/WFileStoreFile.h"
#include "fileaccess/WIntArray.h"
#include "platform/FileInfo.h"

namespace kinshelf {

namespace {

// The header texts, each with its leading space.
constexpr const char* kHeaders[CatalogModel::kColumnCount] = {" Name", " Type", " Size",
                                                              " Last Modified Date", " Full Path"};

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CatalogModel::CatalogModel(WFileStore& store, const WOptions& options, QObject* parent)
    : QAbstractTableModel(parent), store_(store), options_(options) {}

CatalogModel::~CatalogModel() = default;

void CatalogModel::SetListing(const ListingFilter& filter) {
  beginResetModel();
  filter_ = filter;
  ids_ = store_.List(filter_);
  cache_ = CachedRow();
  endResetModel();
}

std::int32_t CatalogModel::ListedCount() const {
  return ids_ != nullptr ? ids_->Count() : 0;
}

std::int32_t CatalogModel::FileIdAt(int row) const {
  return ids_ != nullptr ? ids_->GetValue(row + 1) : 0;
}

std::vector<std::int32_t> CatalogModel::ListedIds() const {
  std::vector<std::int32_t> ids;
  ids.reserve(static_cast<std::size_t>(ListedCount()));
  for (int row = 0; row < ListedCount(); ++row) ids.push_back(FileIdAt(row));
  return ids;
}

void CatalogModel::Refresh() {
  cache_ = CachedRow();
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

int CatalogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max<int>(ListedCount(), 1);
}

int CatalogModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

const CatalogModel::CachedRow& CatalogModel::RowAt(int row) const {
  if (cache_.row == row) return cache_;
  cache_ = CachedRow();
  cache_.row = row;
  const std::int32_t id = FileIdAt(row);
  if (id == 0) return cache_;
  const WFileStoreFile& file = store_.GetCachedFile(id);
  const ListedRow listed = CatalogCellTexts::RowOf(file);
  const CatalogCellTexts texts(options_);
  cache_.texts[kName] = FromUtf8(file.Name());
  cache_.texts[kType] = FromUtf8(texts.Type(listed));
  cache_.texts[kSize] = FromUtf8(texts.Size(listed));
  cache_.texts[kModified] = FromUtf8(texts.Modified(listed));
  cache_.texts[kFullPath] = FromUtf8(CatalogCellTexts::FullPath(listed));
  cache_.bookmark = file.Bookmark();
  cache_.exists = platform::FileExists(file.FullPath());
  return cache_;
}

QVariant CatalogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.column() >= kColumnCount) return {};
  if (role == kFileIdRole) return FileIdAt(index.row());
  if (FileIdAt(index.row()) == 0) return {};
  const CachedRow& row = RowAt(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return row.texts[index.column()];
    case Qt::TextAlignmentRole:
      return index.column() == kSize ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case kBookmarkRole:
      return row.bookmark;
    case kExistsRole:
      return row.exists;
    default:
      return {};
  }
}

QVariant CatalogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
    return {};
  return QString::fromLatin1(kHeaders[section]);
}

}  // namespace kinshelf
