// The file search walk: levels, folder decisions, masks, exclusions, links, locations, status fetches,
// abort, errors and worker-thread runs, on small trees built per test.
#include "catalog/findfile/TFindFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/DateTime.h"
#include "platform/ProcessEvents.h"
#include "support/ScratchFolder.h"

namespace kinshelf {
namespace {

using Names = std::vector<std::string>;

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

// A tree of plain, hidden and extension-less files in three levels, and a search that records what
// it reports as paths relative to the tree.
class FindFileTest : public testing::Test {
 protected:
  void SetUp() override {
    scratch_.WriteFile("a.ged", "0 HEAD\n1 SOUR PAF\n");
    scratch_.WriteFile("b.txt", "text");
    scratch_.WriteFile("noext", "");
    scratch_.WriteFile(".hidden.ged", "");
    scratch_.WriteFile("sub/c.ged", "0 HEAD");
    scratch_.WriteFile("sub/deep/d.ged", "0 HEAD");
    find_.Criteria.Files.Location = {root_};
    find_.OnFileMatch = [this](TFindFile&, const std::string& folder, const TFoundEntry& entry) {
      std::lock_guard guard(mutex_);
      matches_.push_back(Relative(folder) + entry.Name());
    };
    find_.OnFolderChange = [this](TFindFile&, const std::string& folder, TFolderIgnore& ignore) {
      std::lock_guard guard(mutex_);
      folders_.push_back(Relative(folder));
      if (auto it = decisions_.find(Relative(folder)); it != decisions_.end()) ignore = it->second;
    };
  }

  std::string Relative(const std::string& folder) const {
    EXPECT_EQ(folder.back(), '/');
    return folder.compare(0, root_.size(), root_) == 0 ? folder.substr(root_.size()) : folder;
  }

  Names Found() {
    find_.Execute();
    return Sorted(matches_);
  }

  void Log(const std::string& event) {
    std::lock_guard guard(mutex_);
    events_.push_back(event);
  }

  test::ScratchFolder scratch_;
  const std::string root_ = scratch_.Path() + "/";
  TFindFile find_;
  std::mutex mutex_;
  Names matches_;
  Names folders_;
  Names events_;
  std::map<std::string, TFolderIgnore> decisions_;
};

TEST_F(FindFileTest, DefaultCriteriaReportHiddenAndSystemFilesButNotFolders) {
  ASSERT_EQ(mkfifo(scratch_.Path("pipe").c_str(), 0644), 0);
  EXPECT_EQ(Found(),
            (Names{".hidden.ged", "a.ged", "b.txt", "noext", "pipe", "sub/c.ged", "sub/deep/d.ged"}));
  EXPECT_EQ(folders_, (Names{"", "sub/", "sub/deep/"}));
}

TEST_F(FindFileTest, CatalogCriteriaReportPlainFilesWithoutReadingAnyStatus) {
  ASSERT_EQ(mkfifo(scratch_.Path("pipe").c_str(), 0644), 0);
  chmod(scratch_.WriteFile("ro.ged", "x").c_str(), 0444);
  find_.Criteria.Attribute = TAttributeCriteria{ffArchive | ffReadonly, false};
  EXPECT_EQ(Found(), (Names{"a.ged", "b.txt", "noext", "ro.ged", "sub/c.ged", "sub/deep/d.ged"}));
  EXPECT_EQ(find_.Statistics().StatusFetches, 0u);
  EXPECT_EQ(find_.Statistics().FoldersSearched, 3u);
}

struct StatusRow {
  const char* label;
  void (*apply)(TSearchCriteria&);
  bool fetches;
};

// Rows print as their labels in test output.
void PrintTo(const StatusRow& row, std::ostream* out) {
  *out << row.label;
}

class FindFileStatusTest : public FindFileTest, public testing::WithParamInterface<StatusRow> {};

TEST_P(FindFileStatusTest, StatusIsReadOnlyWhenACriterionNeedsIt) {
  GetParam().apply(find_.Criteria);
  find_.Execute();
  EXPECT_EQ(find_.Statistics().StatusFetches > 0, GetParam().fetches);
}

const StatusRow kStatusRows[] = {
    {"NamesOnly", [](TSearchCriteria&) {}, false},
    {"ReparsePointMustBeClear", [](TSearchCriteria& c) { c.AttributeEx.SetReparsePoint(fsUnset); }, false},
    {"ContentPhrase", [](TSearchCriteria& c) { c.Content.SetPhrase("HEAD"); }, false},
    {"MinimumSize", [](TSearchCriteria& c) { c.Size.Min = 1; }, true},
    {"ModifiedBound", [](TSearchCriteria& c) { c.TimeStamp.ModifiedAfter = 1; }, true},
    {"SetWithoutReadOnly", [](TSearchCriteria& c) { c.Attribute.Attributes = ffArchive; }, true},
    {"ExactMatch", [](TSearchCriteria& c) { c.Attribute.ExactMatch = true; }, true},
    {"ReadOnlyMustBeClear", [](TSearchCriteria& c) { c.AttributeEx.SetReadonly(fsUnset); }, true},
};

INSTANTIATE_TEST_SUITE_P(Rows, FindFileStatusTest, testing::ValuesIn(kStatusRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(FindFileTest, EntryStatusIsFetchedOnceAndGivesSizeAndTimes) {
  find_.Criteria.Files.FileName = "a.ged";
  std::int64_t size = -1;
  find_.OnFileMatch = [&](TFindFile&, const std::string&, const TFoundEntry& entry) {
    ASSERT_TRUE(entry.Status());
    size = entry.Status()->size;
    EXPECT_GT(entry.Status()->modified, platform::EncodeDateTime({2000, 1, 1}));
  };
  find_.Execute();
  EXPECT_EQ(size, 18);
  EXPECT_EQ(find_.Statistics().StatusFetches, 1u);
}

struct LevelRow {
  const char* label;
  std::uint16_t minLevel;
  std::uint16_t maxLevel;
  Names found;
};

// Rows print as their labels in test output.
void PrintTo(const LevelRow& row, std::ostream* out) {
  *out << row.label;
}

class FindFileLevelsTest : public FindFileTest, public testing::WithParamInterface<LevelRow> {};

TEST_P(FindFileLevelsTest, ReportsFromTheLevelsAsked) {
  find_.Criteria.Files.FileName = "*.ged";
  find_.Criteria.Files.MinLevel = GetParam().minLevel;
  find_.Criteria.Files.MaxLevel = GetParam().maxLevel;
  EXPECT_EQ(Found(), GetParam().found);
}

const LevelRow kLevelRows[] = {
    {"MaxLevelOneIsTheStartFolderOnly", 0, 1, {".hidden.ged", "a.ged"}},
    {"MinLevelTwoSkipsTheStartFolderButDescends", 2, 0, {"sub/c.ged", "sub/deep/d.ged"}},
    {"MinAndMaxTwoIsOneLevel", 2, 2, {"sub/c.ged"}},
    {"MinLevelBelowTheTreeFindsNothing", 4, 0, {}},
};

INSTANTIATE_TEST_SUITE_P(Rows, FindFileLevelsTest, testing::ValuesIn(kLevelRows),
                         [](const auto& info) { return std::string(info.param.label); });

struct DecisionRow {
  const char* label;
  TFolderIgnore ignore;
  Names found;
  Names folders;
};

// Rows print as their labels in test output.
void PrintTo(const DecisionRow& row, std::ostream* out) {
  *out << row.label;
}

class FindFileDecisionsTest : public FindFileTest, public testing::WithParamInterface<DecisionRow> {};

TEST_P(FindFileDecisionsTest, FolderAnswerSkipsFilesOrSubfolders) {
  find_.Criteria.Files.FileName = "*.ged";
  decisions_["sub/"] = GetParam().ignore;
  EXPECT_EQ(Found(), GetParam().found);
  EXPECT_EQ(folders_, GetParam().folders);
}

const DecisionRow kDecisionRows[] = {
    {"None", fiNone, {".hidden.ged", "a.ged", "sub/c.ged", "sub/deep/d.ged"}, {"", "sub/", "sub/deep/"}},
    {"JustThis", fiJustThis, {".hidden.ged", "a.ged", "sub/deep/d.ged"}, {"", "sub/", "sub/deep/"}},
    {"JustSubfolders", fiJustSubfolders, {".hidden.ged", "a.ged", "sub/c.ged"}, {"", "sub/"}},
    {"ThisAndSubfolders", fiThisAndSubfolders, {".hidden.ged", "a.ged"}, {"", "sub/"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, FindFileDecisionsTest, testing::ValuesIn(kDecisionRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(FindFileTest, MasksIgnoreCaseAndRunLastFirstReportingTwiceMatchedEntriesTwice) {
  find_.Criteria.Files.MaxLevel = 1;
  find_.Criteria.Files.FileName = "A*;*.TXT;*.ged";
  find_.Execute();
  ASSERT_EQ(matches_.size(), 4u);
  EXPECT_EQ(Sorted({matches_[0], matches_[1]}), (Names{".hidden.ged", "a.ged"}));
  EXPECT_EQ(matches_[2], "b.txt");
  EXPECT_EQ(matches_[3], "a.ged");
}

TEST_F(FindFileTest, RejectMasksRejectByMaskAnywhereAndByFolderTail) {
  find_.Criteria.Files.RejectMasks = {"*.TXT", "sub/", ".hidden.*"};
  EXPECT_EQ(Found(), (Names{"a.ged", "noext", "sub/deep/d.ged"}));
}

TEST_F(FindFileTest, LinksAreReportedAsLinksAndNeverFollowed) {
  ASSERT_EQ(symlink(".", scratch_.Path("loop").c_str()), 0);
  ASSERT_EQ(symlink("..", scratch_.Path("sub/up").c_str()), 0);
  ASSERT_EQ(symlink("a.ged", scratch_.Path("alias.ged").c_str()), 0);
  find_.Criteria.Files.FileName = "*.ged;loop;up";
  std::uint32_t linkBits = 0;
  find_.OnFileMatch = [&](TFindFile&, const std::string& folder, const TFoundEntry& entry) {
    matches_.push_back(Relative(folder) + entry.Name());
    if (entry.Name() == "loop") linkBits = entry.Attributes();
  };
  EXPECT_EQ(Found(),
            (Names{".hidden.ged", "a.ged", "alias.ged", "loop", "sub/c.ged", "sub/deep/d.ged", "sub/up"}));
  EXPECT_EQ(folders_, (Names{"", "sub/", "sub/deep/"}));
  EXPECT_EQ(linkBits, platform::attr::kReparsePoint);

  matches_.clear();
  find_.Criteria.AttributeEx.SetReparsePoint(fsUnset);
  EXPECT_EQ(Found(), (Names{".hidden.ged", "a.ged", "sub/c.ged", "sub/deep/d.ged"}));
  EXPECT_EQ(find_.Statistics().StatusFetches, 0u);
}

TEST_F(FindFileTest, LocationsAreWalkedOnceEachInTheOrderNamed) {
  scratch_.WriteFile("x/x.ged", "");
  scratch_.WriteFile("y/y.ged", "");
  find_.Criteria.Files.Location = {root_ + "y", root_ + "x/", root_ + "y/.", "<" + root_ + "y"};
  find_.Execute();
  EXPECT_EQ(folders_, (Names{"y/", "x/"}));
  EXPECT_EQ(matches_, (Names{"y/y.ged", "x/x.ged"}));
}

TEST_F(FindFileTest, ContentTestReadsOnlyRegularFilesAndDropsFolders) {
  ASSERT_EQ(symlink("a.ged", scratch_.Path("alias.ged").c_str()), 0);
  find_.Criteria.Attribute.Attributes |= ffDirectory;
  find_.Criteria.Content.SetPhrase("sour paf");
  EXPECT_EQ(Found(), Names{"a.ged"});
}

TEST_F(FindFileTest, SizeLimitsAndDateBoundsSelectFiles) {
  const std::string old = scratch_.Path("sub/c.ged");
  const timespec times[2] = {{1592217000, 0}, {1592217000, 0}};  // 15 June 2020 10:30 UTC
  ASSERT_EQ(utimensat(AT_FDCWD, old.c_str(), times, 0), 0);
  find_.Criteria.Files.FileName = "*.ged";
  find_.Criteria.TimeStamp.ModifiedBefore = platform::EncodeDateTime({2020, 6, 15});
  EXPECT_EQ(Found(), Names{"sub/c.ged"});

  matches_.clear();
  find_.Criteria.TimeStamp = TDateTimeCriteria{};
  find_.Criteria.Size = TSizeCriteria{1, 6};
  EXPECT_EQ(Found(), (Names{"sub/c.ged", "sub/deep/d.ged"}));
}

TEST_F(FindFileTest, UnreadableFolderIsAnnouncedAndPassedOver) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root from reading a folder";
  chmod(scratch_.Path("sub").c_str(), 0);
  find_.Criteria.Files.FileName = "*.ged";
  EXPECT_EQ(Found(), (Names{".hidden.ged", "a.ged"}));
  EXPECT_EQ(folders_, (Names{"", "sub/"}));
}

TEST(FindFileMounts, WalkStaysOnTheStartFolderFileSystem) {
  struct stat dev {
  }, pts{};
  if (stat("/dev", &dev) != 0 || stat("/dev/pts", &pts) != 0 || dev.st_dev == pts.st_dev) {
    GTEST_SKIP() << "no separate file system mounted at /dev/pts here";
  }
  TFindFile find;
  find.Criteria.Files.Location = {"/dev"};
  find.Criteria.Files.FileName = "no such name";
  find.Criteria.Files.MaxLevel = 2;
  Names folders;
  find.OnFolderChange = [&](TFindFile&, const std::string& folder, TFolderIgnore&) {
    folders.push_back(folder);
  };
  find.Execute();
  EXPECT_FALSE(folders.empty());
  EXPECT_EQ(std::count(folders.begin(), folders.end(), "/dev/pts/"), 0);
}

TEST_F(FindFileTest, AbortInsideAMatchRaisesAbortThenFinishOnce) {
  find_.OnSearchBegin = [this](TFindFile& f) {
    Log("begin");
    f.Execute();  // busy: does nothing
  };
  find_.OnFileMatch = [this](TFindFile& f, const std::string&, const TFoundEntry&) {
    Log("match");
    f.Abort();
    f.Abort();
  };
  find_.OnSearchAbort = [this](TFindFile&) { Log("abort"); };
  find_.OnSearchFinish = [this](TFindFile& f) {
    EXPECT_TRUE(f.Busy());
    Log("finish");
  };
  find_.Execute();
  EXPECT_EQ(events_, (Names{"begin", "match", "abort", "finish"}));
  EXPECT_TRUE(find_.Aborted());
  EXPECT_FALSE(find_.Busy());
  find_.Abort();
  EXPECT_EQ(events_.size(), 4u) << "Abort when idle does nothing";
}

TEST_F(FindFileTest, HandlerExceptionLeavesExecuteAfterTheFinish) {
  find_.OnFolderChange = [](TFindFile&, const std::string&, TFolderIgnore&) {
    throw std::runtime_error("boom");
  };
  find_.OnSearchFinish = [this](TFindFile&) { Log("finish"); };
  EXPECT_THROW(find_.Execute(), std::runtime_error);
  EXPECT_EQ(events_, Names{"finish"});
  EXPECT_FALSE(find_.Busy());
}

TEST_F(FindFileTest, WorkerRunEndsOnTheOwningThreadWhenItDrainsTheCompletion) {
  const auto owner = std::this_thread::get_id();
  std::thread::id matchThread;
  std::atomic<int> ready{0};
  find_.Threaded = true;
  find_.Criteria.Files.FileName = "a.ged";
  find_.OnFileMatch = [&](TFindFile&, const std::string&, const TFoundEntry&) {
    matchThread = std::this_thread::get_id();
  };
  find_.OnSearchBegin = [&](TFindFile&) { EXPECT_EQ(std::this_thread::get_id(), owner); };
  find_.OnSearchFinish = [&](TFindFile&) {
    EXPECT_EQ(std::this_thread::get_id(), owner);
    Log("finish");
  };
  find_.OnCompletionReady = [&] { ++ready; };
  find_.Execute();
  EXPECT_TRUE(find_.Busy());
  while (!find_.ProcessCompletion()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_FALSE(find_.Busy());
  EXPECT_EQ(events_, Names{"finish"});
  EXPECT_EQ(ready, 1);
  EXPECT_NE(matchThread, owner);
  EXPECT_FALSE(find_.ProcessCompletion());
}

TEST_F(FindFileTest, WorkerErrorGoesToOnErrorOrOutOfTheWait) {
  find_.Threaded = true;
  find_.OnFileMatch = [](TFindFile&, const std::string&, const TFoundEntry&) {
    throw std::runtime_error("boom");
  };
  find_.OnSearchFinish = [this](TFindFile&) { Log("finish"); };
  find_.Execute();
  EXPECT_THROW(find_.WaitForCompletion(), std::runtime_error);
  EXPECT_FALSE(find_.Busy());

  find_.OnError = [this](TFindFile& f, std::exception_ptr) {
    EXPECT_FALSE(f.Busy());
    Log("error");
  };
  find_.Execute();
  find_.WaitForCompletion();
  EXPECT_EQ(events_, (Names{"finish", "finish", "error"}));
}

TEST_F(FindFileTest, AbortFromTheOwnerWaitsForTheWorkerHandlerWhileLettingEventsThrough) {
  std::atomic<bool> entered{false};
  std::atomic<bool> release{false};
  const auto previous = platform::SetProcessEventsHook([&] { release = true; });
  find_.Threaded = true;
  find_.OnFileMatch = [&](TFindFile&, const std::string&, const TFoundEntry&) {
    entered = true;
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Log("match done");
  };
  find_.OnSearchAbort = [this](TFindFile&) { Log("abort"); };
  find_.OnSearchFinish = [this](TFindFile&) { Log("finish"); };
  find_.Execute();
  while (!entered) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  find_.Abort();
  find_.WaitForCompletion();
  platform::SetProcessEventsHook(previous);
  EXPECT_EQ(events_, (Names{"match done", "abort", "finish"}));
}

TEST_F(FindFileTest, DestroyingABusyWorkerRunJoinsItWithoutEndEvents) {
  std::atomic<int> seen{0};
  auto find = std::make_unique<TFindFile>();
  find->Threaded = true;
  find->Criteria.Files.Location = {root_};
  find->OnFileMatch = [&](TFindFile& f, const std::string&, const TFoundEntry&) {
    ++seen;
    while (!f.Aborted()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  find->OnSearchAbort = [this](TFindFile&) { Log("abort"); };
  find->OnSearchFinish = [this](TFindFile&) { Log("finish"); };
  find->Execute();
  while (seen == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  find.reset();
  EXPECT_EQ(seen, 1);
  EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace kinshelf
