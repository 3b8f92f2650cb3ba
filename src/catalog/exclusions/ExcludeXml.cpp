#include "catalog/exclusions/ExcludeXml.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include <pugixml.hpp>

#include "platform/AsciiCase.h"
#include "text/Windows1252.h"

namespace kinshelf {
namespace {

using platform::EqualsIgnoringAsciiCase;
using platform::LowerAscii;

// Whitespace-only text is kept where it is an element's only content, so that a path of blanks
// survives; the line breaks between elements are still dropped.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 4> kWindows1252Names = {"windows-1252", "cp1252", "iso-8859-1",
                                                               "latin1"};

void ParseInto(pugi::xml_document& doc, std::string_view xml, std::string_view sourceName) {
  const pugi::xml_parse_result result =
      doc.load_buffer(xml.data(), xml.size(), kParseOptions, pugi::encoding_utf8);
  if (result || result.status == pugi::status_no_document_element) return;
  throw std::runtime_error("Cannot read the exclusion list " + std::string(sourceName) + ": " +
                           result.description() + " at offset " + std::to_string(result.offset) +
                           "; correct it, or remove it to start a new list");
}

bool DeclaresWindows1252(const pugi::xml_document& doc) {
  for (const pugi::xml_node node : doc.children()) {
    if (node.type() != pugi::node_declaration) continue;
    const std::string_view encoding = node.attribute("encoding").value();
    return std::any_of(kWindows1252Names.begin(), kWindows1252Names.end(),
                       [encoding](std::string_view name) { return EqualsIgnoringAsciiCase(encoding, name); });
  }
  return false;
}

std::string_view ChildText(const pugi::xml_node& parent, std::string_view name) {
  for (const pugi::xml_node child : parent.children()) {
    if (child.type() == pugi::node_element && EqualsIgnoringAsciiCase(child.name(), name))
      return child.child_value();
  }
  return {};
}

bool ReadBoolean(std::string_view text) {
  if (text.empty()) return false;
  const char first = LowerAscii(text.front());
  return first == 't' || first == 'y';
}

WFileExcludeItem ReadItem(const pugi::xml_node& node) {
  return WFileExcludeItem{ReadBoolean(ChildText(node, "IsPath")), std::string(ChildText(node, "Path")),
                          ReadBoolean(ChildText(node, "Sub"))};
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      out += "&#" + std::to_string(static_cast<int>(c)) + ";";
    } else {
      out += c;
    }
  }
}

void AppendElement(std::string& out, std::string_view name, std::string_view value) {
  out.append("    <").append(name).append(">");
  AppendEscaped(out, value);
  out.append("</").append(name).append(">\r\n");
}

const char* BooleanText(bool value) {
  return value ? "T" : "F";
}

}  // namespace

std::vector<WFileExcludeItem> ParseExcludeXml(std::string_view xml, std::string_view sourceName) {
  if (xml.starts_with(kUtf8Bom)) xml.remove_prefix(kUtf8Bom.size());
  if (xml.find_first_not_of(" \t\r\n") == std::string_view::npos) return {};
  pugi::xml_document doc;
  ParseInto(doc, xml, sourceName);
  if (DeclaresWindows1252(doc)) ParseInto(doc, Windows1252ToUtf8(xml), sourceName);
  // A text the parser takes but that holds no list (a NUL first, stray text) is damage, not an
  // empty list: taking it for one would lose the entries at the next save.
  if (xml.find('\0') != std::string_view::npos ||
      !EqualsIgnoringAsciiCase(doc.document_element().name(), "Root")) {
    throw std::runtime_error(std::string(sourceName) +
                             " is not an exclusion list (no Root element); it was "
                             "left unchanged");
  }
  std::vector<WFileExcludeItem> items;
  for (const pugi::xml_node node : doc.document_element().children()) {
    if (node.type() == pugi::node_element && EqualsIgnoringAsciiCase(node.name(), "Item"))
      items.push_back(ReadItem(node));
  }
  return items;
}

// Written by hand rather than by the parser's writer, which ends lines with LF only and would leave
// line breaks inside a path unescaped.
std::string RenderExcludeXml(std::span<const WFileExcludeItem> items) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
  if (items.empty()) return out + "<Root />\r\n";
  out += "<Root>\r\n";
  for (const auto& item : items) {
    out += "  <Item>\r\n";
    AppendElement(out, "IsPath", BooleanText(item.IsPath));
    AppendElement(out, "Path", item.Path);
    AppendElement(out, "Sub", BooleanText(item.Sub));
    out += "  </Item>\r\n";
  }
  out += "</Root>\r\n";
  return out;
}

}  // namespace kinshelf
