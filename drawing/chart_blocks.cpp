#include "drawing/chart_blocks.h"

#include "chart/vargas.h"

#include "drawing/chart_geometry.h"
#include "drawing/dasha_block.h"
#include "drawing/header_block.h"
#include "drawing/navamsha_list.h"
#include "drawing/north_chart.h"
#include "drawing/planet_table.h"
#include "drawing/south_chart.h"

void draw_chart_blocks(ChartCanvas& canvas, const Chart& chart, int chart_style,
                       int varga) {
  draw_header(canvas, chart.input, varga, header_origin.x, header_origin.y);
  // Only the diagram shows the divisional chart.
  const Chart diagram = varga_chart(chart, varga);
  if (chart_style)
    draw_north_chart(canvas, diagram, diagram_origin.x, diagram_origin.y);
  else
    draw_south_chart(canvas, diagram, diagram_origin.x, diagram_origin.y);
  // The blocks below draw in the black the header and diagram left current.
  draw_planet_table(canvas, chart, planet_table_origin.x, planet_table_origin.y);
  draw_navamsha_list(canvas, chart, navamsha_origin.x, navamsha_origin.y);
  draw_dashas(canvas, chart.dashas, dasha_origin.x, dasha_origin.y);
}
