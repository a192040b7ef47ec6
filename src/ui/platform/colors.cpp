#include "ui/platform/colors.h"

#include <QApplication>
#include <array>

namespace paxamon {

namespace {

std::array<QRgb, systemColorCount>& colorTable() {
  static std::array<QRgb, systemColorCount> table = {
      qRgb(212, 208, 200),  // clScrollBar
      qRgb(58, 110, 165),   // clBackground
      qRgb(10, 36, 106),    // clActiveCaption
      qRgb(128, 128, 128),  // clInactiveCaption
      qRgb(212, 208, 200),  // clMenu
      qRgb(255, 255, 255),  // clWindow
      qRgb(0, 0, 0),        // clWindowFrame
      qRgb(0, 0, 0),        // clMenuText
      qRgb(0, 0, 0),        // clWindowText
      qRgb(255, 255, 255),  // clCaptionText
      qRgb(212, 208, 200),  // clActiveBorder
      qRgb(212, 208, 200),  // clInactiveBorder
      qRgb(128, 128, 128),  // clAppWorkSpace
      qRgb(10, 36, 106),    // clHighlight
      qRgb(255, 255, 255),  // clHighlightText
      qRgb(212, 208, 200),  // clBtnFace
      qRgb(128, 128, 128),  // clBtnShadow
      qRgb(128, 128, 128),  // clGrayText
      qRgb(0, 0, 0),        // clBtnText
      qRgb(212, 208, 200),  // clInactiveCaptionText
      qRgb(255, 255, 255),  // clBtnHighlight
      qRgb(64, 64, 64),     // cl3DDkShadow
      qRgb(212, 208, 200),  // cl3DLight
      qRgb(0, 0, 0),        // clInfoText
      qRgb(255, 255, 225),  // clInfoBk
  };
  return table;
}

}  // namespace

QRgb systemColor(int index) {
  if (index < 0 || index >= systemColorCount) return qRgb(0, 0, 0);
  return colorTable()[std::size_t(index)];
}

void setSystemColor(int index, QRgb rgb) {
  if (index < 0 || index >= systemColorCount) return;
  colorTable()[std::size_t(index)] = qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TColor colorToRGB(TColor color) {
  if (isSystemColor(color)) {
    const QRgb rgb = systemColor(int(color & 0xFF));
    return rgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
  }
  if (color == clNone) return clBlack;
  return color & 0xFFFFFF;
}

QColor toQColor(TColor color) {
  const TColor rgb = colorToRGB(color);
  return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

TColor fromQColor(const QColor& color) {
  return rgbColor(color.red(), color.green(), color.blue());
}

QPalette systemPalette() {
  QPalette palette;
  auto set = [&palette](QPalette::ColorRole role, TColor color) {
    palette.setColor(QPalette::All, role, toQColor(color));
  };
  set(QPalette::Window, clBtnFace);
  set(QPalette::WindowText, clWindowText);
  set(QPalette::Base, clWindow);
  set(QPalette::AlternateBase, clBtnFace);
  set(QPalette::ToolTipBase, clInfoBk);
  set(QPalette::ToolTipText, clInfoText);
  set(QPalette::PlaceholderText, clGrayText);
  set(QPalette::Text, clWindowText);
  set(QPalette::Button, clBtnFace);
  set(QPalette::ButtonText, clBtnText);
  set(QPalette::BrightText, clHighlightText);
  set(QPalette::Light, clBtnHighlight);
  set(QPalette::Midlight, cl3DLight);
  set(QPalette::Mid, clBtnShadow);
  set(QPalette::Dark, clBtnShadow);
  set(QPalette::Shadow, cl3DDkShadow);
  set(QPalette::Highlight, clHighlight);
  set(QPalette::HighlightedText, clHighlightText);
  // Disabled texts are gray, as the classic scheme draws them.
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, toQColor(clGrayText));
  return palette;
}

void applySystemPalette() {
  QApplication::setPalette(systemPalette());
}

}  // namespace paxamon
