#include "display/chart_blocks.h"

#include "app/chart_state.h"
#include "display/dasha_block.h"
#include "display/header_block.h"
#include "display/navamsha_list.h"
#include "display/north_chart.h"
#include "display/planet_table.h"
#include "display/south_chart.h"

void draw_chart_blocks(ChartCanvas& canvas) {
  draw_header(canvas, 8, 12);
  if (ChartState.chart_style)
    draw_north_chart(canvas, 8, 52);
  else
    draw_south_chart(canvas, 8, 52);
  // The blocks below draw in the black the header and diagram left current.
  draw_planet_table(canvas, 8, 420);
  draw_navamsha_list(canvas, 8, 490);
  draw_dashas(canvas, 8, 520);
}
