// Tells that a catalogued file is missing and offers to open its folder or to search the computer
// again; the folder button is disabled, with a caption saying so, when the folder is gone too.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class TDialogFileNotFound;
}

namespace kinshelf {

class TDialogFileNotFound final : public QDialog {
  Q_OBJECT

 public:
  enum class Answer { kNone = 0, kOpenFolder = 1, kSearchAgain = 2 };

  explicit TDialogFileNotFound(const std::string& fullPath, QWidget* parent = nullptr);
  ~TDialogFileNotFound() override;

  // kNone after "Close".
  Answer Result() const { return answer_; }

 private:
  void Choose(Answer answer);

  std::unique_ptr<Ui::TDialogFileNotFound> ui_;
  Answer answer_ = Answer::kNone;
};

}  // namespace kinshelf
