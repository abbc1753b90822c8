// Painting: every row is drawn, top row first, each time the background is erased. A row is filled
// with the background, then the selection is highlighted, then its line is drawn by the control or
// handed to the parent (owner-draw). Rows below the last line are filled and not sent.
#include "folvex/control_win.h"

#include "folvex/textscan.h"

namespace folvex {

namespace {

// A brush the painting made and deletes, or one it borrows from the parent.
class RowBrush {
 public:
  RowBrush(HBRUSH brush, bool owned) : brush_(brush), owned_(owned) {}
  ~RowBrush() {
    if (owned_ && brush_ != nullptr) DeleteObject(brush_);
  }
  RowBrush(const RowBrush&) = delete;
  RowBrush& operator=(const RowBrush&) = delete;
  HBRUSH Get() const { return brush_; }

 private:
  HBRUSH brush_;
  bool owned_;
};

class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : dc_(dc), old_(SelectObject(dc, font)) {}
  ~SelectedFont() { SelectObject(dc_, old_); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// The parent may answer WM_CTLCOLOREDIT with its own background brush; an answer of 0 or 1 means
// it has none, and the control makes one of its background colour. The control's text colour is set
// after asking: a parent's default answer sets the system's text colour.
HBRUSH ParentBrush(Control& c, HDC dc) {
  HWND parent = GetParent(c.window);
  if (parent == nullptr) return nullptr;
  LRESULT answer =
      SendMessageA(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c.window));
  return static_cast<ULONG_PTR>(answer) <= 1 ? nullptr : reinterpret_cast<HBRUSH>(answer);
}

void Highlight(Control& c, HDC dc, const RECT& row, std::int32_t lineStart, std::int32_t lineEnd, HBRUSH brush) {
  std::int32_t from = c.store.selStart > lineStart ? c.store.selStart : lineStart;
  std::int32_t to = c.store.selEnd < lineEnd ? c.store.selEnd : lineEnd;
  if (from >= to) return;
  const char* line = Text(c) + lineStart;
  std::int32_t left = c.widths.Width(line, from - lineStart);
  std::int32_t right = c.widths.Advance(left, line + (from - lineStart), to - from);
  RECT box = row;
  long long l = static_cast<long long>(row.left) + left;
  long long r = static_cast<long long>(row.left) + right;
  box.left = static_cast<LONG>(l > c.textWidth ? c.textWidth : l);
  box.right = static_cast<LONG>(r > c.textWidth ? c.textWidth : r);
  if (box.right > box.left) FillRect(dc, &box, brush);
}

// Draws only the bytes that reach into the view; tab stops still count from the row's left edge.
void DrawLine(Control& c, HDC dc, const RECT& row, std::int32_t lineStart, std::int32_t count) {
  const char* line = Text(c) + lineStart;
  const std::int32_t viewLeft = c.hScroll;
  const std::int32_t viewRight = c.hScroll + (c.textWidth > 0 ? c.textWidth : 0);
  std::int32_t x = 0;
  std::int32_t first = 0;
  while (first < count) {
    std::int32_t next = c.widths.Advance(x, line + first, 1);
    if (next > viewLeft) break;
    x = next;
    ++first;
  }
  std::int32_t last = first;
  std::int32_t end = x;
  while (last < count && end < viewRight) end = c.widths.Advance(end, line + last++, 1);
  if (last <= first) return;
  int tab = c.widths.TabWidth();
  TabbedTextOutA(dc, row.left + x, row.top, line + first, last - first, 1, &tab, row.left);
}

void PaintRows(Control& c, HDC dc) {
  const bool ownerDraw = (c.style & FVS_OWNERDRAW) != 0;
  HWND parent = GetParent(c.window);
  DRAWITEMSTRUCT item{};
  item.CtlType = 0;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(c.window));
  item.itemAction = 0;
  item.itemState = 0;
  item.hwndItem = c.window;
  item.hDC = dc;

  HBRUSH parentBrush = ParentBrush(c, dc);
  SetTextColor(dc, c.textColour);
  RowBrush back(parentBrush != nullptr ? parentBrush : CreateSolidBrush(c.backColour), parentBrush == nullptr);
  RowBrush selection(CreateSolidBrush(c.selColour), true);
  SelectedFont font(dc, c.font);
  SetBkMode(dc, TRANSPARENT);

  const std::uint32_t editsAtStart = c.editCount;
  const char* text = Text(c);
  const std::int32_t length = Length(c);
  const bool selected = c.store.selStart < c.store.selEnd;
  std::int32_t start = FirstLine(c) <= LastLine(c) ? c.lines.TopOffset() : -1;
  const int rows = c.textHeight >= 0 ? c.textHeight / c.lineHeight : -1;
  // Rows outside the area being painted are skipped. An owner-drawing parent still gets every row
  // in order unless it gave a row lexer: without one it may carry state from one row to the next;
  // with one it takes each row's state from FVM_GETROWSTATE.
  const bool sendEveryRow = !c.rowStates.Active();
  RECT clip{};
  if (GetClipBox(dc, &clip) == ERROR) clip = RECT{-0x3FFFFFFF, -0x3FFFFFFF, 0x3FFFFFFF, 0x3FFFFFFF};
  for (int i = 0; i <= rows; ++i) {
    RECT row{-c.hScroll, i * c.lineHeight, c.textWidth, (i + 1) * c.lineHeight};
    const bool shown = row.bottom > clip.top && row.top < clip.bottom;
    if (shown) FillRect(dc, &row, back.Get());
    if (start < 0) continue;
    const std::int32_t end = EndOfLine(text, length, start);
    if (shown && selected) Highlight(c, dc, row, start, end, selection.Get());
    if (ownerDraw) {
      if (!shown && !sendEveryRow) {
        start = NextLineStart(text, length, start);
        continue;
      }
      item.itemID = static_cast<UINT>(i);
      item.rcItem = row;
      item.itemData = reinterpret_cast<ULONG_PTR>(text + start);
      if (parent != nullptr) SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
      // A parent that changed the text while drawing has moved it under this loop: stop, and let
      // a fresh paint show the new text.
      if (c.editCount != editsAtStart) {
        Repaint(c);
        break;
      }
    } else if (shown) {
      DrawLine(c, dc, row, start, end - start);
    }
    start = NextLineStart(text, length, start);
  }
  // The strip under the last row, when the rows do not reach the client's bottom.
  RECT client{};
  GetClientRect(c.window, &client);
  RECT rest{0, (rows + 1) * c.lineHeight, c.textWidth, client.bottom};
  if (rest.bottom > rest.top && rest.right > rest.left) FillRect(dc, &rest, back.Get());
}

}  // namespace

LRESULT OnEraseBackground(Control& c, HDC dc) {
  PaintRows(c, dc);
  c.erasedSincePaint = true;
  return 1;
}

// The rows are drawn on erase. An update that asked for no erase still gets its rows here, so the
// window never shows stale pixels; an erase that already drew them is not repeated.
LRESULT OnPaint(Control& c) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(c.window, &paint);
  if (dc != nullptr && !c.erasedSincePaint) PaintRows(c, dc);
  c.erasedSincePaint = false;
  EndPaint(c.window, &paint);
  return 0;
}

}  // namespace folvex
