// The window's timings, driven by window_bench.py: "fill N" writes N rows into the catalog of the
// current XDG_DATA_HOME; "run SPAWN_NS" opens the window on it and prints, as one JSON line, the
// seconds from SPAWN_NS (CLOCK_MONOTONIC, taken by the caller before it started this process) to the
// grid's first paint, then the seconds of a re-sort by a header click, a name filter and a bookmark
// toggle, each until the grid has repainted; "details SPAWN_NS FILE" times the details view on FILE.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/FamilyPageView.h"
#include "app/IndividualPageView.h"
#include "app/TDetailsView.h"
#include "app/TMainForm.h"
#include "catalog/CatalogSession.h"
#include "catalog/FileKinds.h"
#include "catalog/store/WFileStore.h"
#include "widgets/WIndScroll.h"

namespace kinshelf {
namespace {

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Names and folders of many lengths, every kind, one in fifty bookmarked; the files are not on disk.
void Fill(long rows) {
  WFileStore store(WFileStore::DefaultBaseName());
  store.BeginTransaction();
  for (long i = 0; i < rows; ++i) {
    auto record = store.NewFile("", static_cast<FileKind>(1 + i % 9));
    record->SetDrive("/");
    record->SetPath("home/user/genealogy/branch" + std::to_string(i % 997) + "/" +
                    std::string(static_cast<std::size_t>(i % 23), 'x'));
    record->SetName("family " + std::to_string((i * 7919) % rows) +
                    std::string(static_cast<std::size_t>(i % 17), 'w') + ".ged");
    record->SetSize((i * 104729) % 100000003);
    record->SetModified(40000.0 + static_cast<double>((i * 31) % 5000));
    record->SetBookmark(i % 50 == 0);
    record->SaveToStore();
  }
  store.CommitTransaction();
}

// Seconds taken by `step` and the grid's repaint after it.
double Timed(QTableView& grid, const std::function<void()>& step) {
  const double start = Now();
  step();
  grid.viewport()->repaint();
  return Now() - start;
}

int Run(int argc, char** argv, double spawned) {
  QApplication application(argc, argv);
  CatalogSession session;
  TMainForm window(session);
  auto* grid = window.findChild<QTableView*>("grdFiles");
  double painted = 0;
  struct FirstPaint : QObject {
    std::function<void()> seen;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint && seen) QTimer::singleShot(0, seen), seen = nullptr;
      return false;
    }
  } watcher;
  watcher.seen = [&] {
    painted = Now();
    QApplication::quit();
  };
  grid->viewport()->installEventFilter(&watcher);
  window.show();
  QApplication::exec();
  QHeaderView* header = grid->horizontalHeader();
  const QPoint sizeHeader(header->sectionViewportPosition(2) + 5, header->height() / 2);
  const double resort =
      Timed(*grid, [&] { QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeHeader); });
  auto* name = window.findChild<QLineEdit*>("nameFilter");
  const double filter = Timed(*grid, [&] {
    name->setText(QStringLiteral("family 1"));
    QTest::keyClick(name, Qt::Key_Return);
  });
  auto* bookmark = window.findChild<QAction*>("actLeftSideBookMark");
  const double toggle = Timed(*grid, [&] { bookmark->trigger(); });
  std::printf("{\"first_paint\": %.4f, \"resort\": %.4f, \"filter\": %.4f, \"bookmark\": %.4f}\n",
              painted - spawned, resort, filter, toggle);
  return 0;
}

// The details view on a large file: seconds from SPAWN_NS to the individual page painted after the
// read, and from the file chosen in the ready window to that paint, the longest stall of the event loop
// during the read (a 5 ms timer's largest gap), and the milliseconds to step to the next individual and
// repaint the individual page, then the family page.
int Details(int argc, char** argv, double spawned) {
  QApplication application(argc, argv);
  CatalogSession session;
  TMainForm window(session);
  window.show();
  TDetailsView& details = window.Details();
  details.Tabs().setCurrentIndex(TDetailsView::kIndividualTab);
  double longestGap = 0;
  double lastTick = Now();
  QTimer ticks;
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    longestGap = std::max(longestGap, Now() - lastTick);
    lastTick = Now();
  });
  ticks.start(5);
  QObject::connect(&details, &TDetailsView::OpenFinished, [] { QApplication::quit(); });
  const double chosen = Now();
  window.ShowDetails(argv[3]);
  QApplication::exec();
  ticks.stop();
  QWidget* facts = details.IndividualPage().Facts()->viewport();
  facts->repaint();
  const double painted = Now();
  QScrollBar* scroll = details.Selector().ScrollBar();
  const auto step = [&](QWidget* page) {
    const double start = Now();
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    page->repaint();
    return (Now() - start) * 1000;
  };
  const double individual = step(facts);
  details.Tabs().setCurrentIndex(TDetailsView::kFamilyTab);
  const double family = step(&details.FamilyPage());
  std::printf(
      "{\"first_page\": %.4f, \"chosen_to_page\": %.4f, \"longest_stall_ms\": %.1f, "
      "\"step_individual_ms\": %.2f, \"step_family_ms\": %.2f}\n",
      painted - spawned, painted - chosen, longestGap * 1000, individual, family);
  return 0;
}

}  // namespace
}  // namespace kinshelf

int main(int argc, char** argv) {
  const std::string mode = argc > 2 ? argv[1] : "";
  if (mode == "fill") {
    kinshelf::Fill(std::atol(argv[2]));
    return 0;
  }
  if (mode == "run") return kinshelf::Run(argc, argv, std::atof(argv[2]) / 1e9);
  if (mode == "details" && argc > 3) return kinshelf::Details(argc, argv, std::atof(argv[2]) / 1e9);
  std::fprintf(stderr,
               "usage: bench_window fill ROWS | run SPAWN_MONOTONIC_NS | details SPAWN_MONOTONIC_NS FILE\n");
  return 2;
}
