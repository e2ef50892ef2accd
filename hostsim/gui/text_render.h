#pragma once
// Drawing texts in the GUI font with cairo: a monospaced font whose every
// 16-bit character takes one cell of 8 x 16 pixels, so that what is drawn
// matches vgTextLength. The operator's private-use characters get glyphs of
// their own: U+E003 a blank, U+E004 a thin upright mark (it frames numbers
// such as " 1:"), U+E006 a filled dot, U+E05D a dash.
#include <cairo.h>

#include <string_view>

#include "host/host_types.h"
#include "hostsim/gui/screen.h"

namespace hostsim {

/// Framebuffers hold cairo surfaces for their whole life; they are counted so
/// that cairo's and fontconfig's caches are handed back at process exit only
/// when no surface is left (releasing them under a live surface is unsafe).
void framebufferMade();
void framebufferGone();

/// The cairo source colour from a 0xAARRGGBB colour (alpha ignored).
void setColour(cairo_t* cr, uint32_t argb);

/// Draws text aligned in box (inclusive corners) onto cr. The caller has set
/// any clip; the text is additionally cut at the box.
void renderText(cairo_t* cr, VG_CORNERS box, std::u16string_view text, uint32_t argb, TextStyle style);

}  // namespace hostsim
