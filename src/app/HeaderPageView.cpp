// The details view's header page.
#include "app/HeaderPageView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DetailsParts.h"
#include "model/WABSCollection.h"
#include "model/WABSSubmitter.h"
#include "model/pages/HeaderPage.h"
#include "text/CountFormat.h"
#include "widgets/CollectionText.h"

namespace kinshelf {

namespace {

const QStringList kSubmitterRows = {"Name", "Address", "", "", "Country", "Phone", "E-mail"};
const QStringList kStatisticsRows = {"File Name",   "File Size", "File Date", "Load Time",
                                     "Individuals", "Marriages", "Notes",     "Sources"};

void ClearValues(QTableWidget& grid) {
  for (int row = 0; row < grid.rowCount(); ++row) SetCell(grid, row, 1, QString());
}

}  // namespace

HeaderPageView::HeaderPageView(QWidget* parent)
    : DetailsPage(parent),
      textMode_(new QCheckBox(tr("Show as text"), this)),
      headerStack_(new QStackedWidget(this)),
      submitterStack_(new QStackedWidget(this)),
      header_(MakeDetailsGrid({tr("Header"), tr("Value")}, {}, this)),
      headerText_(MakeMemo(false, this)),
      submitter_(MakeDetailsGrid({"", ""}, kSubmitterRows, this)),
      submitterText_(MakeMemo(false, this)),
      statistics_(MakeDetailsGrid({"", ""}, kStatisticsRows, this)) {
  header_->setObjectName("grdHeader");
  submitter_->setObjectName("grdSubmitter");
  statistics_->setObjectName("grdStatistics");
  textMode_->setObjectName("chkHeaderText");
  headerStack_->addWidget(header_);
  headerStack_->addWidget(headerText_);
  submitterStack_->addWidget(submitter_);
  submitterStack_->addWidget(submitterText_);
  for (QTableWidget* grid : {submitter_, statistics_}) {
    grid->horizontalHeader()->resizeSection(0, grid->fontMetrics().horizontalAdvance("Individuals") + 24);
    grid->setFixedHeight(grid->rowCount() * grid->verticalHeader()->defaultSectionSize() + 4);
  }
  auto* right = new QVBoxLayout;
  right->addWidget(MakeTitledBox(tr("Submitter"), submitterStack_, this));
  right->addWidget(MakeTitledBox(tr("Statistics"), statistics_, this));
  right->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(headerStack_, 1);
  left->addWidget(textMode_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 3);
  layout->addLayout(right, 2);
  connect(textMode_, &QCheckBox::toggled, this, &HeaderPageView::Refill);
  Refill();
}

void HeaderPageView::Show(WABSCollection* collection, double loadSeconds) {
  collection_ = collection;
  loadSeconds_ = loadSeconds;
  Refill();
}

void HeaderPageView::Fill() {
  const bool text = textMode_->isChecked();
  headerStack_->setCurrentIndex(text ? 1 : 0);
  submitterStack_->setCurrentIndex(text ? 1 : 0);
  ClearValues(*submitter_);
  ClearValues(*statistics_);
  headerText_->clear();
  submitterText_->clear();
  if (collection_ == nullptr) {
    header_->setRowCount(1);
    SetCell(*header_, 0, 0, QString());
    SetCell(*header_, 0, 1, QString());
    return;
  }
  const HeaderPage page = BuildHeaderPage(*collection_, loadSeconds_);
  const auto shown = [this](const std::string& value) { return DisplayText(*collection_, value); };
  header_->setRowCount(static_cast<int>(page.header.size()) + 1);
  for (std::size_t row = 0; row < page.header.size(); ++row) {
    SetCell(*header_, static_cast<int>(row), 0, shown(page.header[row].caption));
    SetCell(*header_, static_cast<int>(row), 1, shown(page.header[row].value));
  }
  SetCell(*header_, header_->rowCount() - 1, 0, QString());
  SetCell(*header_, header_->rowCount() - 1, 1, QString());
  header_->resizeColumnToContents(0);
  if (text) {
    headerText_->setPlainText(shown(collection_->GetHeaderText()));
    if (const auto submitter = collection_->GetSubmitter())
      submitterText_->setPlainText(shown(submitter->GetRecordText()));
  } else if (page.submitter) {
    for (std::size_t row = 0; row < page.submitter->size(); ++row)
      SetCell(*submitter_, static_cast<int>(row), 1, shown((*page.submitter)[row]));
  }
  const std::string counts[] = {FormatCount(page.individuals), FormatCount(page.marriages),
                                FormatCount(page.notes), FormatCount(page.sources)};
  const std::string values[] = {page.fileName, page.sizeText, page.dateText, page.loadTimeText,
                                counts[0],     counts[1],     counts[2],     counts[3]};
  // The statistics are this program's own texts, the file's name as the system gives it: UTF-8, not
  // the file's encoding.
  for (int row = 0; row < statistics_->rowCount(); ++row)
    SetCell(*statistics_, row, 1, QString::fromStdString(values[row]));
}

}  // namespace kinshelf
