// "Options".
#include "app/TDialogOptions.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>

#include "settings/WOptions.h"
#include "ui_TDialogOptions.h"

namespace kinshelf {

namespace {

// Each program's setting and the prompt of its file dialog, in the page's order.
struct ProgramRow {
  opt::Catalog setting;
  const char* prompt;
};
constexpr std::array<ProgramRow, TDialogOptions::kProgramCount> kPrograms{{
    {opt::AppLeg, "Locate application for Legacy files"},
    {opt::AppRM, "Locate application for Roots Magic files"},
    {opt::AppGed, "Locate application for GEDCOM files"},
    {opt::AppPAF, "Locate application for PAF files"},
    {opt::AppFTM, "Locate application for Family Tree Maker files"},
    {opt::AppAQ, "Locate application for Ancestral Quest files"},
    {opt::AppHFT, "Locate application for Heritage Family Tree files"},
    {opt::AppPedora, "Locate Pedora"},
    {opt::App2, "Locate application for Genbox files"},
    {opt::AppTMG, "Locate application for The Master Genealogist files"},
}};

}  // namespace

TDialogOptions::TDialogOptions(WOptions& options, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TDialogOptions>()), options_(options) {
  ui_->setupUi(this);
  const QList<QPushButton*> browse{ui_->butLegacy, ui_->butRootsMagic, ui_->butGedcom, ui_->butPaf,
                                   ui_->butFtm,    ui_->butAq,         ui_->butHft,    ui_->butPedora,
                                   ui_->butGenbox, ui_->butTmg};
  for (int i = 0; i < browse.size(); ++i)
    connect(browse[i], &QPushButton::clicked, this, [this, i] { Browse(i); });
  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &TDialogOptions::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &TDialogOptions::reject);
  ui_->buttons->button(QDialogButtonBox::Save)->setText(tr("Save"));
  Load();
}

TDialogOptions::~TDialogOptions() = default;

QList<QLineEdit*> TDialogOptions::ProgramEdits() const {
  return {ui_->edtLegacy, ui_->edtRootsMagic, ui_->edtGedcom, ui_->edtPaf,    ui_->edtFtm,
          ui_->edtAq,     ui_->edtHft,        ui_->edtPedora, ui_->edtGenbox, ui_->edtTmg};
}

// The radio button of a group for a setting value (1 for the first), or the first for a value out of
// range.
QRadioButton* TDialogOptions::Radio(const QString& group, int value) const {
  auto* button = findChild<QRadioButton*>(group + QString::number(value));
  return button != nullptr ? button : findChild<QRadioButton*>(group + "1");
}

int TDialogOptions::CheckedValue(const QString& group) const {
  for (int value = 1;; ++value) {
    auto* button = findChild<QRadioButton*>(group + QString::number(value));
    if (button == nullptr) return 1;
    if (button->isChecked()) return value;
  }
}

void TDialogOptions::Load() {
  ui_->pages->setCurrentWidget(ui_->pageGeneral);
  ui_->spnFontZoom->setValue(options_.GetInt(opt::FontZoom));
  ui_->spnSideFontZoom->setValue(options_.GetInt(opt::SideFontZoom));
  ui_->chkShowSplash->setChecked(options_.GetBool(opt::ShowSplash));
  ui_->chkAutoUpdate->setChecked(options_.GetBool(opt::AutoUpdate));
  Radio("rgDateFormat", options_.GetInt(opt::DateOpt))->setChecked(true);
  Radio("rgDateSeparator", options_.GetInt(opt::DateSep))->setChecked(true);
  Radio("rgTimeFormat", options_.GetInt(opt::DateTimeOpt))->setChecked(true);
  const QList<QLineEdit*> edits = ProgramEdits();
  for (std::size_t i = 0; i < kPrograms.size(); ++i) {
    loaded_[i] = options_.GetString(kPrograms[i].setting);
    edits[static_cast<int>(i)]->setText(QString::fromStdString(loaded_[i]));
  }
}

// The path in a program's box: the setting's own bytes while the box shows them unchanged, since a
// name in an old single-byte encoding is shown with stand-ins that would not give it back.
std::string TDialogOptions::ProgramPath(int program) const {
  const QString text = ProgramEdits()[program]->text().trimmed();
  const std::string& stored = loaded_[static_cast<std::size_t>(program)];
  if (text == QString::fromStdString(stored).trimmed()) return stored;
  return QFile::encodeName(text).toStdString();
}

void TDialogOptions::accept() {
  // Nothing is stored while one path cannot be: Cancel must still store nothing.
  std::array<std::string, kPrograms.size()> paths;
  for (std::size_t i = 0; i < kPrograms.size(); ++i) {
    paths[i] = ProgramPath(static_cast<int>(i));
    if (!WOptions::CanHold(paths[i])) {
      QMessageBox::warning(this, windowTitle(), tr("A program's path cannot hold a line break."));
      ProgramEdits()[static_cast<int>(i)]->setFocus();
      return;
    }
  }
  options_.SetInt(opt::FontZoom, ui_->spnFontZoom->value());
  options_.SetInt(opt::SideFontZoom, ui_->spnSideFontZoom->value());
  options_.SetBool(opt::ShowSplash, ui_->chkShowSplash->isChecked());
  options_.SetBool(opt::AutoUpdate, ui_->chkAutoUpdate->isChecked());
  options_.SetInt(opt::DateOpt, CheckedValue("rgDateFormat"));
  options_.SetInt(opt::DateSep, CheckedValue("rgDateSeparator"));
  options_.SetInt(opt::DateTimeOpt, CheckedValue("rgTimeFormat"));
  for (std::size_t i = 0; i < kPrograms.size(); ++i) options_.SetString(kPrograms[i].setting, paths[i]);
  QDialog::accept();
}

void TDialogOptions::Browse(int program) {
  QLineEdit* edit = ProgramEdits()[program];
  const QString chosen = QFileDialog::getOpenFileName(
      this, tr(kPrograms[static_cast<std::size_t>(program)].prompt), edit->text().trimmed());
  if (!chosen.isEmpty()) edit->setText(chosen);
}

}  // namespace kinshelf
