// A text of a collection as the window shows it.
#include "widgets/CollectionText.h"

#include "model/TextEncoding.h"
#include "model/WABSCollection.h"

namespace kinshelf {

QString DisplayText(const WABSCollection& collection, std::string_view text) {
  QString shown = QString::fromStdString(ToDisplayUtf8(text, collection.Encoding()));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

}  // namespace kinshelf
