// The one application object the window tests need, the window's own, on the offscreen platform
// unless the run chose another.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "widgets/KinshelfApplication.h"

namespace {

class QtTestEnvironment final : public testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kinshelf_app_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<kinshelf::KinshelfApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};

const testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}  // namespace
