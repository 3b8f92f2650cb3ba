// kinshelf people: every individual of a genealogy file, one line each, in index order.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "catalog/CatalogSession.h"
#include "cli/OutputBuffer.h"
#include "cli/OutputFormat.h"
#include "cli/TextTable.h"
#include "cli/commands/ChunkLines.h"
#include "cli/commands/Commands.h"
#include "cli/commands/PeopleJson.h"
#include "model/TextEncoding.h"
#include "model/WABSIndividual.h"
#include "platform/FileInfo.h"
#include "platform/OrderedChunks.h"
#include "platform/Paths.h"
#include "readers/GenealogyFile.h"
#include "text/CaseFold.h"
#include "text/CsvField.h"

namespace kinshelf::cli {

namespace {

using Filter = std::optional<std::string>;
// The error of individuals a listing could not read.
using Unread = std::optional<std::runtime_error>;

// Individuals are read in chunks of this many, on every core, and written in index order.
constexpr std::int32_t kChunkSize = 2048;
constexpr unsigned kMostThreads = 8;

// The most characters of an index in decimal, a 32-bit number, its sign included.
constexpr std::size_t kMostIndexDigits = 11;

// Appends the person's line to `chunk` unless the filter leaves it out. The texts are written into
// room made for the most they may take; what is not written is not kept.
void AddLine(TextEncoding encoding, const Filter& filter, const ListingTexts& texts, std::int32_t index,
             ChunkLines& chunk) {
  ChunkLines::Line line;
  line.wellFormed = DisplaysWellFormedUtf8(encoding);
  const std::string_view fields[kFields] = {{},          texts.id,         texts.name,       texts.birth.date,
                                            texts.birth.place, texts.death.date, texts.death.place};
  std::size_t bytes = 2 * kPiecesJoint.size();
  for (const std::string_view field : fields) bytes += field.size();
  const std::size_t start = chunk.texts.View().size();
  char* const room = chunk.texts.Room(kMostIndexDigits + DisplayUtf8Room(bytes, encoding));
  char* const base = room - start;
  char* out = std::to_chars(room, room + kMostIndexDigits, index).ptr;
  for (std::size_t field = kId; field < kFields; ++field) {
    line.starts[field] = static_cast<std::size_t>(out - base);
    char* const text = out;
    out = PutDisplayUtf8(out, fields[field], encoding);
    if (field == kName && filter &&
        !ContainsFolded(std::string_view(text, static_cast<std::size_t>(out - text)), *filter))
      return;
    // A converted text is empty only where its source is.
    if ((field == kBirthDate || field == kDeathDate) && !fields[field].empty() && !fields[field + 1].empty()) {
      out = std::copy(kPiecesJoint.begin(), kPiecesJoint.end(), out);
      line.joints |= static_cast<std::uint8_t>(1u << field);
    }
  }
  line.starts[kIndex] = start;
  line.starts[kFields] = static_cast<std::size_t>(out - base);
  chunk.texts.Commit(out);
  chunk.lines.push_back(line);
}

// The lines of individuals first to last that the filter lets through; `unread` counts those whose
// records could not be read.
ChunkLines LinesOf(GenealogyFile& file, const Filter& filter, std::int32_t first, std::int32_t last,
                   std::atomic<std::int32_t>& unread) {
  ChunkLines chunk(static_cast<std::size_t>(last - first + 1));
  ListingTexts texts(ListingOptions::Of(file.Collection().Options()));
  const TextEncoding encoding = file.Collection().Encoding();
  std::int32_t visited = 0;
  file.Collection().ForEachIndividual(first, last, [&](WABSIndividual& person) {
    person.ReadListingTexts(texts);
    AddLine(encoding, filter, texts, person.Index(), chunk);
    ++visited;
  });
  unread += last - first + 1 - visited;
  return chunk;
}

// The memory a rendered chunk takes.
std::size_t HeldBytes(const OutputBuffer& rendered) {
  return rendered.HeldBytes();
}
std::size_t HeldBytes(const TextTable& rendered) {
  return rendered.HeldBytes();
}

// The first chunks of a listing, made while the file loads: each is rendered once its last
// individual is visited. Rendered chunks wait for the load's end in memory, in all about an eighth
// of the file's size at most. A small file loads in a few hundredths of a second: it is not
// listed early, and its listing keeps to the memory it took before.
template <typename Render>
class EarlyChunks {
 public:
  using Rendered = decltype(std::declval<Render>()(ChunkLines()));
  static constexpr std::int64_t kSmallestEarlyFile = std::int64_t{64} << 20;

  EarlyChunks(const WOptions& options, const Filter& filter, Render render, std::int64_t fileSize)
      : filter_(filter),
        render_(render),
        budget_(fileSize >= kSmallestEarlyFile ? static_cast<std::size_t>(fileSize / 8) : 0),
        texts_(ListingOptions::Of(options)) {}

  // Empty for a small file.
  EarlyVisit Visitor() {
    if (budget_ == 0) return {};
    return [this](WABSIndividual& person) { return Visit(person); };
  }
  // The chunks whose individuals the load confirmed: those of the first `visited`.
  std::vector<Rendered> Take(std::int32_t visited) {
    const std::size_t confirmed = std::min(rendered_.size(), static_cast<std::size_t>(visited / kChunkSize));
    rendered_.erase(rendered_.begin() + static_cast<std::ptrdiff_t>(confirmed), rendered_.end());
    return std::move(rendered_);
  }

 private:
  bool Visit(WABSIndividual& person) {
    person.ReadListingTexts(texts_);
    AddLine(person.Collection().Encoding(), filter_, texts_, person.Index(), chunk_);
    if (person.Index() % kChunkSize != 0) return true;
    rendered_.push_back(render_(std::move(chunk_)));
    spent_ += HeldBytes(rendered_.back());
    chunk_ = ChunkLines(kChunkSize);
    return spent_ < budget_;
  }

  const Filter& filter_;
  Render render_;
  std::size_t budget_;
  std::size_t spent_ = 0;
  ListingTexts texts_;
  ChunkLines chunk_{kChunkSize};
  std::vector<Rendered> rendered_;
};

// Opens the file, calls render(lines) for the lines of each chunk of individuals, the first ones
// while the file loads and the others on worker threads, and consume(rendered, early) on this
// thread, chunk after chunk in index order, handing each rendered chunk over; `early` is true for
// those made while the file loaded. Individuals whose records cannot be read are left out, and give
// the error returned, for after the listing: what could be read is still shown.
template <typename Render, typename Consume>
Unread ListChunks(const std::string& path, const WOptions& options, const Filter& filter, Render render,
                  Consume consume) {
  const auto status = platform::StatusOf(platform::ExpandPath(path));
  EarlyChunks<Render> early(options, filter, render, status ? status->size : 0);
  GenealogyFile file(path, options, early.Visitor());
  auto& collection = file.Collection();
  auto made = early.Take(file.EarlyVisited());
  for (auto& rendered : made) consume(std::move(rendered), true);
  const std::int32_t count = collection.IndividualCount();
  const auto chunks = static_cast<std::size_t>((count + kChunkSize - 1) / kChunkSize);
  const std::size_t first = std::min(made.size(), chunks);
  made.clear();
  collection.PrepareConcurrentReads();
  const unsigned threads =
      chunks - first > 1 ? std::min(std::thread::hardware_concurrency(), kMostThreads) : 1;
  using Rendered = decltype(render(ChunkLines()));
  std::atomic<std::int32_t> unread = 0;
  platform::OrderedChunks<Rendered>::Run(
      chunks - first, threads,
      [&](std::size_t chunk) {
        const auto from = static_cast<std::int32_t>(first + chunk) * kChunkSize + 1;
        return render(LinesOf(file, filter, from, std::min(count, from + kChunkSize - 1), unread));
      },
      [&](Rendered&& rendered) { consume(std::move(rendered), false); });
  if (unread == 0) return std::nullopt;
  return file.UnreadError(unread);
}

// Each writer writes its first bytes once the file has loaded: a file that can't be read gives
// its message and no output.
Unread WriteJson(const std::string& path, const WOptions& options, const Filter& filter, std::ostream& out) {
  bool any = false;
  const Unread unread =
      ListChunks(path, options, filter, PeopleJsonObjects, [&](const OutputBuffer& objects, bool) {
        if (objects.View().empty()) return;
        // The first member of the array follows the bracket without a comma.
        out << (any ? "" : "[") << objects.View().substr(any ? 0 : 1);
        any = true;
      });
  out << (any ? "\n]\n" : "[]\n");
  return unread;
}

// Each line is written through a pointer into room for the most it may take.
OutputBuffer CsvLines(const ChunkLines& chunk) {
  constexpr std::string_view kLineEnd = "\r\n";
  OutputBuffer out(RenderedSize(chunk, 20));
  for (const ChunkLines::Line& line : chunk.lines) {
    const std::string_view index = chunk.Text(line, kIndex);
    const std::string_view fields[] = {chunk.Text(line, kId), chunk.Text(line, kName),
                                       chunk.Joined(line, kBirthDate), chunk.Joined(line, kDeathDate)};
    std::size_t room = index.size() + kLineEnd.size();
    for (const std::string_view field : fields) room += 1 + CsvFieldRoom(field.size());
    char* end = std::copy(index.begin(), index.end(), out.Room(room));
    for (const std::string_view field : fields) {
      *end++ = ',';
      end = PutCsvField(end, field);
    }
    out.Commit(std::copy(kLineEnd.begin(), kLineEnd.end(), end));
  }
  return out;
}

Unread WriteCsv(const std::string& path, const WOptions& options, const Filter& filter, std::ostream& out) {
  bool any = false;
  const auto head = [&] {
    if (!std::exchange(any, true)) out << "index,id,name,birth,death\r\n";
  };
  const Unread unread = ListChunks(path, options, filter, CsvLines, [&](const OutputBuffer& lines, bool) {
    head();
    out << lines.View();
  });
  head();
  return unread;
}

TextTable EmptyTable() {
  using Align = TextTable::Align;
  return TextTable({"Index", "ID", "Name", "Birth", "Death"},
                   {Align::kRight, Align::kLeft, Align::kLeft, Align::kLeft, Align::kLeft});
}

// A chunk's lines are its table rows, a line's texts their cells, its events' joined: the rows
// take over the chunk's text.
TextTable TableRows(ChunkLines&& chunk) {
  std::vector<std::size_t> cellEnds;
  cellEnds.reserve(5 * chunk.lines.size());
  for (const ChunkLines::Line& line : chunk.lines) {
    for (const Field next : {kId, kName, kBirthDate, kDeathDate, kFields}) cellEnds.push_back(line.starts[next]);
  }
  TextTable rows = EmptyTable();
  const bool wellFormed = std::all_of(chunk.lines.begin(), chunk.lines.end(),
                                      [](const ChunkLines::Line& line) { return line.wellFormed; });
  rows.AddRows(std::move(chunk.texts), cellEnds, wellFormed);
  return rows;
}

// The text table needs every line before it can size its columns. Rows made while the file loaded
// lie in memory the listing does not use again, and are taken over; the others are copied, and the
// memory they were made in is used again for the next chunks.
Unread WriteText(const std::string& path, const WOptions& options, const Filter& filter, std::ostream& out) {
  TextTable table = EmptyTable();
  const Unread unread = ListChunks(path, options, filter, TableRows, [&](TextTable&& rows, bool early) {
    if (early) {
      table.AddRows(std::move(rows));
    } else {
      table.CopyRows(rows);
    }
  });
  table.Write(out);
  return unread;
}

class PeopleCommand : public Command {
 public:
  const CommandSpec& Spec() const override { return spec_; }

  int Run(const ParsedArgs& args, CommandIo& io) override {
    const OutputFormat format = FormatOf(args, true);
    CatalogSession session;
    const std::string& path = args.Positional()[0];
    const auto filter = args.Value("name");
    Unread unread;
    if (format == OutputFormat::kJson) {
      unread = WriteJson(path, session.Options(), filter, io.out);
    } else if (format == OutputFormat::kCsv) {
      unread = WriteCsv(path, session.Options(), filter, io.out);
    } else {
      unread = WriteText(path, session.Options(), filter, io.out);
    }
    if (unread) throw *unread;
    return 0;
  }

 private:
  CommandSpec spec_{
      "people",
      "FILE",
      "list the individuals of a genealogy file",
      "Lists every individual of a GEDCOM or PAF file in index order: index, identifier, name with "
      "identifier, birth and death (date, place).",
      {{"name", "TEXT", "only individuals whose name contains TEXT (any case)"}, kFormatOption},
      1,
      1};
};

}  // namespace

std::unique_ptr<Command> MakePeopleCommand() {
  return std::make_unique<PeopleCommand>();
}

}  // namespace kinshelf::cli
