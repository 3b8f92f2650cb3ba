// The side panel's part about the selected file: its name, type, created and modified dates, and
// the group "Actions for selected file" with a button for each action it is given.
#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QToolButton;

namespace kinshelf {

class WFileStoreFile;
class WOptions;

class SelectedFilePanel final : public QWidget {
  Q_OBJECT

 public:
  // One button per action, in order; the dates are written with the date settings of `options`,
  // which must outlive the panel.
  SelectedFilePanel(const WOptions& options, const QList<QAction*>& actions, QWidget* parent = nullptr);

  // Shows the file, or clears the labels for nullptr.
  void Show(const WFileStoreFile* file);
  // Draws the button of the action in red, or as usual.
  void MarkWarning(QAction* action, bool warning);

 private:
  QString DateText(double value) const;

  const WOptions& options_;
  QLabel* name_;
  QLabel* type_;
  QLabel* created_;
  QLabel* modified_;
  QList<QToolButton*> buttons_;
};

}  // namespace kinshelf
