// Individuals handed to a visitor on a thread of their own while the index pass runs on the calling
// thread, so that a listing can start before the load ends and use the core the pass leaves idle.
// The walk finds the individual records as the index pass does, without touching any index; Finish
// then checks each against the finished index, and only those the index numbers alike count.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "model/WABSCollection.h"

namespace kinshelf {

class GedcomRecordContext;
class WGEDIndIndex;

class EarlyIndividuals {
 public:
  // Starts the walk, unless `visit` is empty: visit(individual) for individuals 1, 2, ... in order
  // until it returns false, the load ends or the cancel flag is set. The character set must be
  // known and the text's line breaks learnt before, as the walk reads both.
  EarlyIndividuals(const GedcomRecordContext& context, const EarlyVisit& visit);
  // Stops and waits for the walk.
  ~EarlyIndividuals();
  EarlyIndividuals(const EarlyIndividuals&) = delete;
  EarlyIndividuals& operator=(const EarlyIndividuals&) = delete;

  // Stops the walk; the number of individuals from 1 on that it visited at the offsets the finished
  // index gives them. 0 when the walk failed.
  std::int32_t Finish(const WGEDIndIndex& individuals);

 private:
  void Walk();
  void Stop();

  const GedcomRecordContext& context_;
  const EarlyVisit& visit_;
  std::atomic<bool> stop_{false};
  bool failed_ = false;
  std::vector<std::int64_t> offsets_;  // of the individuals visited, from the text start
  std::thread thread_;
};

}  // namespace kinshelf
