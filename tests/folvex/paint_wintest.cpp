// Window tests: painting — the rows handed to an owner-draw parent, and the pixels of the
// background, the selection and the text.
#include <cstring>
#include <string>
#include <vector>

#include "wintest_support.h"

namespace wintest {
namespace {

// A 32-bit bitmap the control paints into when sent WM_ERASEBKGND with its context, so the test
// reads exact colours whatever the screen's depth.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    DWORD pixel = static_cast<const DWORD*>(bits_)[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  // True when some pixel of the rectangle has the colour.
  bool Holds(const RECT& r, COLORREF colour) const {
    for (int y = r.top; y < r.bottom && y < height_; ++y) {
      for (int x = r.left; x < r.right && x < width_; ++x) {
        if (At(x, y) == colour) return true;
      }
    }
    return false;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  void* bits_ = nullptr;
};

constexpr COLORREF kBack = 0xC8C8C8;
constexpr COLORREF kSelection = 0xEBAAAA;

class PaintTest : public FolvexWinTest {
 protected:
  int Extent(const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
  }
  void Paint() {
    Rows().clear();
    RedrawWindow(control_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
};

TEST_F(PaintTest, OwnerDrawRowsGoTopToBottomAndStopAtTheLastLine) {
  Create(FVS_EDITABLE | FVS_OWNERDRAW, "first\r\nsecond\rthird", kParentWidth, LineHeight() * 6 + 2);
  Paint();
  const std::vector<DrawnRow>& rows = Rows();
  ASSERT_EQ(rows.size(), 3u);  // rows past the last line are filled, not sent
  const char* lines[] = {"first", "second", "third"};
  for (UINT i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].itemId, i);
    EXPECT_EQ(rows[i].line, lines[i]);
    EXPECT_EQ(rows[i].rect.left, 0);
    EXPECT_EQ(rows[i].rect.right, kParentWidth - 16);
    EXPECT_EQ(rows[i].rect.top, static_cast<LONG>(i) * LineHeight());
    EXPECT_EQ(rows[i].rect.bottom, static_cast<LONG>(i + 1) * LineHeight());
    EXPECT_EQ(rows[i].ctlType, 0u);
    EXPECT_EQ(rows[i].action, 0u);
    EXPECT_EQ(rows[i].state, 0u);
  }
}

TEST_F(PaintTest, OneRowMoreThanFitsIsDrawnAndRowsFollowTheFirstLine) {
  std::string text;
  for (int i = 0; i < 20; ++i) text += "row " + std::to_string(i) + "\r\n";
  Create(FVS_EDITABLE | FVS_OWNERDRAW, text.c_str(), kParentWidth, LineHeight() * 3 + LineHeight() / 2 + 2);
  SendMessageA(control_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), 0);
  Paint();
  ASSERT_EQ(Rows().size(), 4u);  // three whole rows and the partial one
  EXPECT_EQ(Rows()[0].line, "row 5");
  EXPECT_EQ(Rows()[3].line, "row 8");
  EXPECT_EQ(Rows()[3].itemId, 3u);
}

int CALLBACK PlainLexer(void*, const char*, int, int state) { return state; }

TEST_F(PaintTest, WithARowLexerOnlyTheRowsBeingPaintedAreSent) {
  Create(FVS_EDITABLE | FVS_OWNERDRAW, "a\r\nb\r\nc\r\nd", kParentWidth, LineHeight() * 6 + 2);
  const int lh = LineHeight();
  RECT third{0, 2 * lh, kParentWidth, 3 * lh};
  Paint();
  Rows().clear();
  InvalidateRect(control_, &third, TRUE);
  UpdateWindow(control_);
  EXPECT_EQ(Rows().size(), 4u);  // without a lexer every row, for hosts that carry state down
  FolvexSetRowLexer(control_, PlainLexer, nullptr, 1);
  Rows().clear();
  InvalidateRect(control_, &third, TRUE);
  UpdateWindow(control_);
  ASSERT_EQ(Rows().size(), 1u);
  EXPECT_EQ(Rows()[0].itemId, 2u);
  EXPECT_EQ(Rows()[0].line, "c");
  Paint();
  EXPECT_EQ(Rows().size(), 4u);  // the whole window: every row with a line
}

TEST_F(PaintTest, TypingRepaintsOnlyWhatItChanged) {
  Create(FVS_EDITABLE | FVS_OWNERDRAW, "a\r\nb\r\nc\r\nd", kParentWidth, LineHeight() * 6 + 2);
  FolvexSetRowLexer(control_, PlainLexer, nullptr, 1);
  FolvexSetSel(control_, 4, 4);  // after "b"
  Paint();
  Rows().clear();
  Char(control_, 'x');
  UpdateWindow(control_);
  ASSERT_EQ(Rows().size(), 1u);  // the row typed in
  EXPECT_EQ(Rows()[0].line, "bx");
  Rows().clear();
  Char(control_, '\r');
  UpdateWindow(control_);
  ASSERT_EQ(Rows().size(), 4u);  // a new line moves every row below it
  EXPECT_EQ(Rows()[0].line, "bx");
  EXPECT_EQ(Rows()[3].line, "d");
}

TEST_F(PaintTest, RowsStartAtTheHorizontalScrollOffset) {
  Create(FVS_EDITABLE | FVS_OWNERDRAW, "abc");
  SendMessageA(control_, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30), 0);
  Paint();
  ASSERT_EQ(Rows().size(), 1u);
  EXPECT_EQ(Rows()[0].rect.left, -30);
}

TEST_F(PaintTest, BackgroundSelectionAndTextHaveTheirColours) {
  const int height = LineHeight() * 4 + 2;
  Create(FVS_EDITABLE, "WWWW WWWW\r\nWWWW", kParentWidth, height);
  FolvexSetSel(control_, 5, 14);  // from the second word into the second line
  const int lh = LineHeight();
  const int wordStart = Extent("WWWW ");
  const int lineEnd = Extent("WWWW WWWW");
  const int textWidth = kParentWidth - 16;
  Canvas canvas(kParentWidth, height);
  EXPECT_EQ(SendMessageA(control_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0), 1);
  EXPECT_EQ(canvas.At(textWidth - 10, 3 * lh + 1), kBack);  // a row past the last line
  EXPECT_TRUE(canvas.Holds(RECT{0, 0, wordStart, lh}, 0x000000));  // the text in the text colour
  EXPECT_FALSE(canvas.Holds(RECT{0, 0, wordStart - 1, lh}, kSelection));
  EXPECT_TRUE(canvas.Holds(RECT{wordStart, 0, lineEnd, lh}, kSelection));
  EXPECT_FALSE(canvas.Holds(RECT{lineEnd + 1, 0, textWidth, lh}, kSelection));  // only as far as the text
  EXPECT_TRUE(canvas.Holds(RECT{0, lh, Extent("WWW"), 2 * lh}, kSelection));
  EXPECT_FALSE(canvas.Holds(RECT{Extent("WWW") + 1, lh, textWidth, 2 * lh}, kSelection));
}

TEST_F(PaintTest, ColoursCanBeChangedAndReportTheOldOnes) {
  const int height = LineHeight() * 2 + 2;
  Create(FVS_EDITABLE, "", kParentWidth, height);
  EXPECT_EQ(FolvexSetBkColor(control_, 0x102030, false), kBack);
  EXPECT_EQ(FolvexSetSelColor(control_, 0x405060, true), kSelection);
  EXPECT_EQ(FolvexSetTextColor(control_, 0x0000FF, true), 0x000000u);
  Canvas canvas(kParentWidth, height);
  SendMessageA(control_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
  EXPECT_EQ(canvas.At(10, 3), 0x102030u);
}

// The control measures rows with its own width table; it must agree with the system's layout of a
// row with one tab stop, or the caret would stand beside the characters it belongs to.
TEST_F(PaintTest, ClickPositionsAgreeWithTheSystemsTabbedLayout) {
  Create(FVS_EDITABLE, "a\tbcd\t\tef");
  HDC dc = GetDC(control_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)));
  int tab = 40;
  for (int k = 1; k <= 9; ++k) {
    SCOPED_TRACE(k);
    int x = LOWORD(GetTabbedTextExtentA(dc, "a\tbcd\t\tef", k, 1, &tab));
    int lh = LineHeight();
    SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, lh / 2));
    SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(x, lh / 2));
    EXPECT_EQ(FolvexGetCaret(control_), k);  // at the right edge of character k - 1: after it
  }
  SelectObject(dc, old);
  ReleaseDC(control_, dc);
}

}  // namespace
}  // namespace wintest
