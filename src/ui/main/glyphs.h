// The pictures of the main window: the five tool-button glyphs (16 x 16,
// drawn in code, each with a greyed twin).
#pragma once

#include <QIcon>
#include <QImage>

namespace paxamon {

QImage newProgramGlyph();   // a white sheet with a folded corner and yellow rays
QImage loadProgramGlyph();  // an opening yellow folder with a document
QImage saveProgramGlyph();  // a black floppy disk
QImage runGlyph();          // a blue arrow pointing right, crossed by a red line
QImage overviewGlyph();     // a red question mark on a yellow disc

// The greyed image of a glyph: its shape embossed in the shadow colour with a
// highlight one pixel to the lower right, as disabled buttons show glyphs.
QImage greyedGlyph(const QImage& glyph);

// A tool-button icon: the glyph, and its greyed image for the disabled state.
QIcon toolButtonIcon(const QImage& glyph);

}  // namespace paxamon
