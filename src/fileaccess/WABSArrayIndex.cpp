// An array of fixed-size records numbered from 1, kept in a WVersionMMF scratch store.
#include "fileaccess/WABSArrayIndex.h"

#include <array>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "fileaccess/LittleEndian.h"
#include "fileaccess/RecordSorter.h"
#include "platform/FileIo.h"

namespace kinshelf {

namespace {

constexpr std::int64_t kCountOffset = WVersionMMF::DataStart();
constexpr std::int64_t kDataOffset = kCountOffset + 8;
constexpr std::int64_t kGrowth = 16384;

std::int64_t InitialStoreSize(std::int32_t recordSize, std::int32_t capacity) {
  if (recordSize < 1) throw std::invalid_argument("A record needs at least one byte");
  return capacity > 0 ? std::int64_t{recordSize} * capacity + 1024 : 2048;
}

}  // namespace

WABSArrayIndex::WABSArrayIndex(const std::string& fileName, bool keep, std::int32_t recordSize,
                               std::int32_t initialCapacity)
    : fileName_(fileName),
      keep_(keep),
      store_(std::make_unique<WVersionMMF>(fileName, kGrowth, InitialStoreSize(recordSize, initialCapacity))),
      recordSize_(recordSize) {
  WABSArrayIndex::Clear();
}

WABSArrayIndex::~WABSArrayIndex() {
  if (store_->Size() >= kDataOffset)
    StoreUint32LE(store_->PointerAt(kCountOffset), static_cast<std::uint32_t>(count_));
  store_.reset();
  if (!fileName_.empty() && !keep_) platform::RemoveFile(fileName_);
}

void WABSArrayIndex::Clear() {
  store_->ResetHeader();
  std::array<unsigned char, 8> fields{};
  StoreUint32LE(fields.data() + 4, static_cast<std::uint32_t>(recordSize_));
  store_->Append(fields.data(), fields.size());
  count_ = 0;
  MarkChanged();
}

unsigned char* WABSArrayIndex::Item(std::int32_t index) {
  return InRange(index) ? store_->PointerAt(OffsetOf(index)) : nullptr;
}

const unsigned char* WABSArrayIndex::Item(std::int32_t index) const {
  return InRange(index) ? std::as_const(*store_).PointerAt(OffsetOf(index)) : nullptr;
}

void WABSArrayIndex::SetItem(std::int32_t index, const void* record) {
  unsigned char* item = Item(index);
  if (item == nullptr) return;
  std::memcpy(item, record, static_cast<std::size_t>(recordSize_));
  MarkChanged();
}

std::int32_t WABSArrayIndex::Add(const void* record) {
  if (count_ == std::numeric_limits<std::int32_t>::max()) throw std::length_error("The record array is full");
  store_->Append(record, recordSize_);
  MarkChanged();
  return ++count_;
}

void WABSArrayIndex::SetCount(std::int32_t count) {
  const std::int32_t wanted = count < 0 ? 0 : count;
  if (wanted > count_) {
    store_->AppendZeros(std::int64_t{wanted - count_} * recordSize_);
  } else {
    store_->SetUsedLength(OffsetOf(wanted + 1));
  }
  count_ = wanted;
  MarkChanged();
}

void WABSArrayIndex::Sort(CompareFn compare, void* context, bool yield) {
  if (count_ <= 0 || sorted_ || sorting_) return;
  sorting_ = true;
  const std::uint64_t changesBefore = changes_;
  try {
    RecordSorter(*store_, kDataOffset, recordSize_, compare, context, yield).Sort(count_);
  } catch (...) {
    sorting_ = false;
    throw;
  }
  sorting_ = false;
  sorted_ = changes_ == changesBefore;
}

std::int32_t WABSArrayIndex::Find(CompareFn compare, const void* key, void* context) const {
  std::int32_t lo = 1;
  std::int32_t hi = count_;
  while (lo <= hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    const int order = compare(Item(mid), key, context);
    if (order == 0) return mid;
    if (order < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return 0;
}

std::int64_t WABSArrayIndex::OffsetOf(std::int32_t index) const {
  return kDataOffset + std::int64_t{index - 1} * recordSize_;
}

void WABSArrayIndex::MarkChanged() {
  sorted_ = false;
  ++changes_;
}

}  // namespace kinshelf
