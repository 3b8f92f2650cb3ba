// The side panel's part about the selected file.
#include "app/SelectedFilePanel.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalog/store/WFileStoreFile.h"
#include "settings/WOptions.h"
#include "text/CatalogDateFormat.h"

namespace kinshelf {

namespace {

QLabel* ValueLabel(const char* objectName, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  // A file's name is shown as it is, never taken for markup.
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

SelectedFilePanel::SelectedFilePanel(const WOptions& options, const QList<QAction*>& actions, QWidget* parent)
    : QWidget(parent),
      options_(options),
      name_(ValueLabel("selectedName", this)),
      type_(ValueLabel("selectedType", this)),
      created_(ValueLabel("selectedCreated", this)),
      modified_(ValueLabel("selectedModified", this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* details = new QGroupBox(tr("Selected file"), this);
  auto* form = new QFormLayout(details);
  form->addRow(tr("Name:"), name_);
  form->addRow(tr("Type:"), type_);
  form->addRow(tr("Created:"), created_);
  form->addRow(tr("Modified:"), modified_);
  layout->addWidget(details);
  auto* group = new QGroupBox(tr("Actions for selected file"), this);
  auto* buttons = new QVBoxLayout(group);
  for (QAction* action : actions) {
    auto* button = new QToolButton(group);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buttons->addWidget(button);
    buttons_.append(button);
  }
  layout->addWidget(group);
}

QString SelectedFilePanel::DateText(double value) const {
  if (value < 1.0) return {};
  return QString::fromStdString(FormatCatalogDate(options_.GetInt(opt::DateOpt),
                                                  options_.GetInt(opt::DateSep),
                                                  options_.GetInt(opt::DateTimeOpt), value));
}

void SelectedFilePanel::MarkWarning(QAction* action, bool warning) {
  for (QToolButton* button : buttons_) {
    if (button->defaultAction() == action)
      button->setStyleSheet(warning ? QStringLiteral("color: red;") : QString());
  }
}

void SelectedFilePanel::Show(const WFileStoreFile* file) {
  name_->setText(file != nullptr ? QString::fromStdString(file->Name()) : QString());
  type_->setText(file != nullptr ? QString::fromStdString(WFileStoreFile::KindDisplayName(file->Kind()))
                                 : QString());
  created_->setText(file != nullptr ? DateText(file->Created()) : QString());
  modified_->setText(file != nullptr ? DateText(file->Modified()) : QString());
}

}  // namespace kinshelf
