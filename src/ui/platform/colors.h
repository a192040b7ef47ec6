// Colours as the windows describe them: TColor values that are either plain
// RGB or the index of a system colour, resolved through one table whenever
// something is painted.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRgb>
#include <cstdint>

namespace paxamon {

// Red in the low byte, then green, then blue. A high byte of 0x80 names a
// system colour whose index is the low byte.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clScrollBar = clSystemColor + 0;
inline constexpr TColor clBackground = clSystemColor + 1;
inline constexpr TColor clActiveCaption = clSystemColor + 2;
inline constexpr TColor clInactiveCaption = clSystemColor + 3;
inline constexpr TColor clMenu = clSystemColor + 4;
inline constexpr TColor clWindow = clSystemColor + 5;
inline constexpr TColor clWindowFrame = clSystemColor + 6;
inline constexpr TColor clMenuText = clSystemColor + 7;
inline constexpr TColor clWindowText = clSystemColor + 8;
inline constexpr TColor clCaptionText = clSystemColor + 9;
inline constexpr TColor clActiveBorder = clSystemColor + 10;
inline constexpr TColor clInactiveBorder = clSystemColor + 11;
inline constexpr TColor clAppWorkSpace = clSystemColor + 12;
inline constexpr TColor clHighlight = clSystemColor + 13;
inline constexpr TColor clHighlightText = clSystemColor + 14;
inline constexpr TColor clBtnFace = clSystemColor + 15;
inline constexpr TColor clBtnShadow = clSystemColor + 16;
inline constexpr TColor clGrayText = clSystemColor + 17;
inline constexpr TColor clBtnText = clSystemColor + 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor + 19;
inline constexpr TColor clBtnHighlight = clSystemColor + 20;
inline constexpr TColor cl3DDkShadow = clSystemColor + 21;
inline constexpr TColor cl3DLight = clSystemColor + 22;
inline constexpr TColor clInfoText = clSystemColor + 23;
inline constexpr TColor clInfoBk = clSystemColor + 24;

inline constexpr int systemColorCount = 25;

constexpr bool isSystemColor(TColor color) {
  return (color & 0xFF000000u) == clSystemColor;
}

constexpr TColor rgbColor(int red, int green, int blue) {
  return TColor(red & 0xFF) | TColor(green & 0xFF) << 8 | TColor(blue & 0xFF) << 16;
}
constexpr int redOf(TColor color) {
  return int(color & 0xFF);
}
constexpr int greenOf(TColor color) {
  return int(color >> 8 & 0xFF);
}
constexpr int blueOf(TColor color) {
  return int(color >> 16 & 0xFF);
}

// The current entry of the system-colour table (an index outside it reads
// black). The table starts with the classic "Windows Standard" scheme.
QRgb systemColor(int index);
// Replaces one entry; later paints pick it up. Indices outside are ignored.
void setSystemColor(int index, QRgb rgb);

// A system colour becomes its table entry, any other colour its three low
// bytes as RGB. clNone has no RGB value and reads as black here.
TColor colorToRGB(TColor color);

// The opaque QColor of a TColor, system colours resolved now.
QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);

// The application palette made from the system-colour table, so that menus,
// dialogs and edit fields look like the rest of the program.
QPalette systemPalette();
// Sets systemPalette() as the application's palette (call after QApplication).
void applySystemPalette();

}  // namespace paxamon
