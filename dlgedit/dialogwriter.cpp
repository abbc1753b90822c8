// Writes a DialogModel back as the text of one DIALOG statement.
#include "dlgedit/dialogwriter.h"

#include <climits>

#include "dlgedit/dialogunits.h"

namespace dlgedit {

namespace {

const char* const kLineEnd = "\r\n";

int ClampToInt(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// "x, y, width, height": each number as read while its pixels are unchanged, else converted.
std::string Numbers(const std::array<int, 4>& pixels, const PlacementAsRead& asRead) {
  std::string out;
  for (std::size_t i = 0; i < 4; ++i) {
    if (i > 0) out += ", ";
    if (asRead.known && asRead.pixels[i] == pixels[i]) {
      out += asRead.text[i];
    } else {
      int units = i % 2 == 0 ? DialogXFromPixels(pixels[i]) : DialogYFromPixels(pixels[i]);
      out += std::to_string(units);
    }
  }
  return out;
}

void WriteHeaderValue(const DialogFrame& frame, HeaderKey key, std::string& out) {
  switch (key) {
    case HeaderKey::Style: {
      std::string style = StyleWithCaption(frame.style, frame.caption);
      if (!style.empty()) out += "STYLE " + style + kLineEnd;
      break;
    }
    case HeaderKey::Class:
      if (!frame.className.empty()) out += "CLASS \"" + frame.className + "\"" + kLineEnd;
      break;
    case HeaderKey::Caption:
      if (!frame.caption.empty()) out += "CAPTION \"" + frame.caption + "\"" + kLineEnd;
      break;
    case HeaderKey::Font:
      if (!frame.font.empty()) out += "FONT " + frame.font + kLineEnd;
      break;
    case HeaderKey::Menu:
      if (!frame.menu.empty()) out += "MENU " + frame.menu + kLineEnd;
      break;
    case HeaderKey::Other:
      break;
  }
}

void WriteHeader(const DialogFrame& frame, std::string& out) {
  const HeaderKey order[] = {HeaderKey::Style, HeaderKey::Class, HeaderKey::Caption, HeaderKey::Font,
                             HeaderKey::Menu};
  bool written[5] = {};
  for (const HeaderLine& line : frame.headerOrder) {
    if (line.key == HeaderKey::Other) {
      out += line.text + kLineEnd;
      continue;
    }
    std::size_t slot = static_cast<std::size_t>(line.key);
    if (written[slot]) continue;
    written[slot] = true;
    WriteHeaderValue(frame, line.key, out);
  }
  for (HeaderKey key : order) {
    if (!written[static_cast<std::size_t>(key)]) WriteHeaderValue(frame, key, out);
  }
}

void WriteItem(const DialogItem& item, PixelPoint origin, std::string& out) {
  out += " CONTROL ";
  if (item.bareText && CanStandBare(item.text)) {
    out += item.text;
  } else {
    out += "\"" + item.text + "\"";
  }
  out += ",";
  out += item.id.empty() ? " 0" : item.id;
  out += ", \"" + item.className + "\", ";
  out += item.style.empty() ? " 0" : item.style;
  out += ", ";
  std::array<int, 4> pixels = {ClampToInt(static_cast<long long>(item.rect.x) - origin.x),
                               ClampToInt(static_cast<long long>(item.rect.y) - origin.y),
                               item.rect.width, item.rect.height};
  out += Numbers(pixels, item.asRead);
  if (!item.extendedStyle.empty()) out += ", " + item.extendedStyle;
  out += kLineEnd;
}

}  // namespace

bool CanStandBare(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c == '"' || c == ',' || c == '\r' || c == '\n' || c == '{' || c == '}') return false;
  }
  return text.find("//") == std::string::npos && text.find("/*") == std::string::npos;
}

std::string WriteDialogStatement(const DialogModel& model) {
  const DialogFrame& frame = model.frame;
  bool band = HasCaptionBand(frame);
  std::string out = frame.name + " DIALOG ";
  if (!frame.memoryOptions.empty()) out += frame.memoryOptions + " ";
  std::array<int, 4> framePixels = {
      frame.rect.x, frame.rect.y, frame.rect.width,
      ClampToInt(static_cast<long long>(frame.rect.height) - (band ? kCaptionBandPixels : 0))};
  out += Numbers(framePixels, frame.asRead) + kLineEnd;
  WriteHeader(frame, out);
  out += "{";
  out += kLineEnd;
  PixelPoint origin = ItemOrigin(frame);
  for (const DialogItem& item : model.items) WriteItem(item, origin, out);
  out += "}";
  out += kLineEnd;
  return out;
}

}  // namespace dlgedit
