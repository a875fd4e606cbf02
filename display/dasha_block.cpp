#include "display/dasha_block.h"

#include "chart/vimshottari.h"

void draw_dashas(ChartCanvas& canvas, int x, int y) {
  DashaListing listing;
  list_dashas(listing, x, y);
  canvas.draw_text(dasha_title, listing.title_x, listing.title_y);
  canvas.draw_line(listing.rule_x1, listing.rule_y, listing.rule_x2, listing.rule_y);
  for (int i = 0; i < listing.entry_count; ++i) {
    const DashaEntry& entry = listing.entries[i];
    canvas.draw_text(entry.label, entry.x, entry.y);
    canvas.draw_text(entry.date_text, entry.date_x, entry.y);
  }
}
