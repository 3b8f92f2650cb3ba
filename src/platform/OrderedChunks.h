// Work cut into numbered chunks that worker threads produce while the calling thread consumes the
// results in chunk order, so that a listing made on several cores reads exactly like one made on
// one.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace kinshelf::platform {

template <typename Result>
class OrderedChunks {
 public:
  // Calls produce(chunk) for every chunk from 0 to count - 1 on `threads` worker threads (at least
  // one), and consume(Result&&) on the calling thread in chunk order. At most two results per
  // thread wait to be consumed; a single chunk is made on the calling thread. An exception from
  // produce is rethrown here when its chunk's turn comes; one from consume is let through. Either
  // way the workers have stopped before this returns.
  template <typename Produce, typename Consume>
  static void Run(std::size_t count, unsigned threads, Produce produce, Consume consume) {
    if (count <= 1) {
      if (count == 1) consume(produce(std::size_t{0}));
      return;
    }
    OrderedChunks chunks(count, std::max(threads, 1u));
    chunks.Start(produce);
    for (std::size_t chunk = 0; chunk < count; ++chunk) consume(chunks.Take(chunk));
  }

  OrderedChunks(const OrderedChunks&) = delete;
  OrderedChunks& operator=(const OrderedChunks&) = delete;
  ~OrderedChunks() { Stop(); }

 private:
  struct Slot {
    std::optional<Result> result;
    std::exception_ptr failure;
  };

  OrderedChunks(std::size_t count, unsigned threads)
      : count_(count), threads_(threads), slots_(std::size_t{threads} * 2) {}

  template <typename Produce>
  void Start(Produce& produce) {
    for (unsigned i = 0; i < threads_; ++i) workers_.emplace_back([this, &produce] { Work(produce); });
  }

  // Claims the next chunk while there is room for its result, produces it and puts it in its slot.
  template <typename Produce>
  void Work(Produce& produce) {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stopped_ || next_ >= count_ || next_ < taken_ + slots_.size(); });
      if (stopped_ || next_ >= count_) return;
      const std::size_t chunk = next_++;
      lock.unlock();
      Slot made;
      try {
        made.result.emplace(produce(chunk));
      } catch (...) {
        made.failure = std::current_exception();
      }
      lock.lock();
      slots_[chunk % slots_.size()] = std::move(made);
      changed_.notify_all();
    }
  }

  Result Take(std::size_t chunk) {
    std::unique_lock lock(mutex_);
    Slot& slot = slots_[chunk % slots_.size()];
    changed_.wait(lock, [&slot] { return slot.result.has_value() || slot.failure != nullptr; });
    if (slot.failure != nullptr) std::rethrow_exception(std::exchange(slot.failure, nullptr));
    Result result = std::move(*slot.result);
    slot.result.reset();
    ++taken_;
    changed_.notify_all();
    return result;
  }

  void Stop() {
    {
      const std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
  }

  const std::size_t count_;
  const unsigned threads_;
  std::vector<Slot> slots_;
  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t next_ = 0;   // the next chunk to claim
  std::size_t taken_ = 0;  // the chunks consumed so far
  bool stopped_ = false;
};

}  // namespace kinshelf::platform
