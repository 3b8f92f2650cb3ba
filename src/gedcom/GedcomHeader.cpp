// What the header record of a GEDCOM file tells.
#include "gedcom/GedcomHeader.h"

#include <cstdint>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomLines.h"
#include "gedcom/GedcomScan.h"
#include "gedcom/GedcomValues.h"

namespace kinshelf::gedcom {

namespace {

struct CaptionOfTag {
  std::uint32_t word;
  std::string_view caption;
};

constexpr CaptionOfTag kTopLevelRows[] = {{tag::kSour, caption::kApplication},
                                          {tag::kDest, caption::kDestination},
                                          {tag::kDate, caption::kDate},
                                          {tag::kFile, caption::kFileName},
                                          {tag::kChar, caption::kCharSet}};
constexpr CaptionOfTag kBelowSourRows[] = {{tag::kName, caption::kApplicationName},
                                           {tag::kVers, caption::kApplicationVersion},
                                           {tag::kCorp, caption::kApplicationCorp},
                                           {tag::kAddr, caption::kApplicationAddress}};
constexpr CaptionOfTag kBelowGedcRows[] = {{tag::kVers, caption::kGedcVersion},
                                           {tag::kForm, caption::kGedcForm}};

template <std::size_t N>
std::string_view CaptionOf(const CaptionOfTag (&rows)[N], std::uint32_t word) {
  for (const CaptionOfTag& row : rows) {
    if (row.word == word) return row.caption;
  }
  return {};
}

// Builds the rows while walking the header lines once.
class HeaderRows {
 public:
  HeaderRows(const WGEDTextMMF& text, const Converter& convert) : text_(text), convert_(convert) {}

  void Visit(const char* line) {
    const char level = *line;
    const std::uint32_t word = LineTag(line, text_.TextEnd());
    if (level == '1') {
      belowSour_ = word == tag::kSour;
      belowGedc_ = word == tag::kGedc;
      if (const std::string_view caption = CaptionOf(kTopLevelRows, word); !caption.empty()) {
        Add(caption, line, word == tag::kDate ? TimeAfter(line) : std::string());
      }
      return;
    }
    if (belowGedc_ && level != '2') belowGedc_ = false;
    if (belowGedc_) {
      if (const std::string_view caption = CaptionOf(kBelowGedcRows, word); !caption.empty())
        Add(caption, line, {});
    } else if (belowSour_) {
      if (const std::string_view caption = CaptionOf(kBelowSourRows, word); !caption.empty())
        Add(caption, line, {});
    }
  }

  std::vector<GenHeaderRec> Take() { return std::move(rows_); }

 private:
  std::string Value(const char* line) const {
    return std::string(TrimmedValueView(ValueStart(line, text_.TextEnd()), text_.TextEnd()));
  }

  // " " and the time when the very next line is a TIME line.
  std::string TimeAfter(const char* line) const {
    const char* next = text_.NextLine(line);
    if (next == nullptr || LineTag(next, text_.TextEnd()) != tag::kTime) return {};
    std::string time(1, ' ');
    time += Value(next);
    return time;
  }

  void Add(std::string_view caption, const char* line, const std::string& suffix) {
    rows_.push_back({std::string(caption), convert_(Value(line)) + suffix});
  }

  const WGEDTextMMF& text_;
  const Converter& convert_;
  bool belowSour_ = false;
  bool belowGedc_ = false;
  std::vector<GenHeaderRec> rows_;
};

}  // namespace

std::vector<GenHeaderRec> HeaderInfo(const WGEDTextMMF& text, const char* header, const Converter& convert) {
  if (header == nullptr) return {};
  HeaderRows rows(text, convert);
  ForEachRecordLine(text, header, [&](const char* line) {
    rows.Visit(line);
    return true;
  });
  return rows.Take();
}

std::string_view SubmitterId(const WGEDTextMMF& text, const char* header) {
  std::string_view id;
  if (header == nullptr) return id;
  ForEachLevelOneLine(text, header, [&](const char* line) {
    if (LineTag(line, text.TextEnd()) != tag::kSubm) return true;
    id = text.GetXRef(ValueStart(line, text.TextEnd()));
    return false;
  });
  return id;
}

}  // namespace kinshelf::gedcom
