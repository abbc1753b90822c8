// One DIALOG statement as data: the dialog frame, its header lines and its controls, placed in
// mock-up pixels, with the edits the dialog editor makes on them.
//
// Positions are in pixels relative to the editor pane, as the mock-up windows stand: the frame at its
// own place, every item at the frame's item origin plus its own offset. Texts (captions, control
// texts, classes) are kept exactly as they stand between their quotes in the script, escapes
// included. Items are held in writing order, which is also the mock-up's sibling order from the
// bottom up: items.front() sits just above the frame.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace dlgedit {

// A dialog whose style has WS_CAPTION, or which has a caption, is drawn this much taller than its
// stated height, and its items sit this much lower.
constexpr int kCaptionBandPixels = 18;

// Item flags.
constexpr unsigned kItemSelected = 1;
constexpr unsigned kItemCurrent = 2;

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The four numbers of a placement (x, y, width, height) as the script gave them, and the pixel
// values they turned into. When the statement is written, a number whose pixel value is still the
// one read goes back as this text, so what the user did not move or resize never drifts through the
// conversion; every other number is converted from its pixels.
struct PlacementAsRead {
  bool known = false;             // false for what was created in the editor
  std::array<std::string, 4> text;
  std::array<int, 4> pixels{};    // x and y relative to the pane (frame) or the item origin (items)
};

struct DialogItem {
  std::string text;           // as between its quotes, or the bare word
  bool bareText = false;      // read without quotes (an icon number or name): written back bare
  std::string id;
  std::string className;
  std::string style;
  std::string extendedStyle;  // written after the height when not empty
  PixelRect rect;             // relative to the pane
  PlacementAsRead asRead;
  unsigned flags = 0;         // kItemSelected, kItemCurrent
};

// Header lines in the order the script gave them; lines the reader does not know are kept as they
// stood (continuation lines joined by CR LF) and written back in their place.
enum class HeaderKey { Style, Class, Caption, Font, Menu, Other };
struct HeaderLine {
  HeaderKey key = HeaderKey::Other;
  std::string text;  // the whole line for Other; unused otherwise (the value lives in the frame)
};

struct DialogFrame {
  std::string name;           // the resource name
  std::string memoryOptions;  // e.g. "DISCARDABLE", between DIALOG and the numbers
  std::string caption;        // as between its quotes
  std::string className;
  std::string style;
  std::string font;
  std::string menu;
  std::vector<HeaderLine> headerOrder;
  PixelRect rect{10, 20, 300, 200};  // relative to the pane; the height includes any caption band
  PlacementAsRead asRead;            // height without the caption band
};

struct DialogModel {
  DialogFrame frame;
  std::vector<DialogItem> items;  // writing order
  bool modified = false;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
};

// True when the frame shows a caption band: its style holds "WS_CAPTION" or its caption is not
// empty (the caption then puts WS_CAPTION into the written style, so reading and writing agree).
bool HasCaptionBand(const DialogFrame& frame);

// The style as written and as the dialog properties set it: with a non-empty caption, a style
// lacking "WS_CAPTION" gains " | WS_CAPTION" ("WS_CAPTION" alone for an empty style).
std::string StyleWithCaption(const std::string& style, const std::string& caption);

// Where item offset (0, 0) lies in pane pixels: the frame's top-left corner, below any caption band.
PixelPoint ItemOrigin(const DialogFrame& frame);

// The decimal value an ID text starts with (blanks, sign, digits), 0 for a name such as "IDOK".
long long IdValue(const std::string& idText);

// New item: ID "101", style "WS_VISIBLE | WS_TABSTOP", no class or text, at (10, 10) with size
// 100 x 20 pixels, on top of the order. A template "class, style, width, height" sets the class and
// style and, when given as positive numbers, the size in pixels; the item then gets its default ID
// at once. Without a template (or with an empty one) `wantsProperties` asks the caller to open the
// item's properties and call AssignDefaultId afterwards. The model is marked modified.
struct NewItemResult {
  std::size_t index = 0;
  bool wantsProperties = false;
};
NewItemResult AddNewItem(DialogModel& model, const std::string& templateText);

// A "STATIC" item gets ID "-1"; a "BUTTON" whose style holds "BS_DEFPUSHBUTTON" gets ID "1".
void AssignDefaultId(DialogItem& item);

// Copies every selected item 10 pixels right and lower, with the ID's value plus one; the copies go
// on top, selected, and their sources lose both bits. The topmost selected item becomes current.
// Returns the number of copies (the model is marked modified when there are any).
int DuplicateSelected(DialogModel& model);

// Removes every selected item; returns how many (the model is marked modified when any went).
int DeleteSelected(DialogModel& model);

// The context menu's order changes: "Up" puts the item on top (written last), "Step Up" one place
// up, "Step Down" one place down but never below the frame, "Down" just above the frame (written
// first). Returns the item's new index; the model is marked modified only when the order changed.
// An index out of range changes nothing.
enum class OrderChange { Up, StepUp, StepDown, Down };
std::size_t ChangeOrder(DialogModel& model, std::size_t index, OrderChange change);

// The "Dialog Properties" dialog's OK: takes the five values, the style with WS_CAPTION added when
// there is a caption (StyleWithCaption). When that turns the caption band on or off, the frame's
// height and every item move by the band, so the dialog's body and its controls keep their size and
// places in dialog units. Marks the model modified.
struct DialogProperties {
  std::string caption;
  std::string className;
  std::string style;
  std::string font;
  std::string menu;
};
void ApplyDialogProperties(DialogModel& model, const DialogProperties& properties);

// Moves the frame and every item with it by (dx, dy); marked modified when the offset is not zero.
void MoveFrame(DialogModel& model, int dx, int dy);

// Clears the selected and current bits of every item (a click on the pane or on the frame).
void ClearItemFlags(DialogModel& model);

}  // namespace dlgedit
