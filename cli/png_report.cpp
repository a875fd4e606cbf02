#include "cli/png_report.h"

#include "cli/cairo_canvas.h"
#include "drawing/chart_geometry.h"

const char* append_png_report(std::string& out, const ReportRequest& request) {
  const int scale = request.scale;
  const CairoSurface owned(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, chart_width * scale,
                                 chart_height * scale),
      cairo_surface_destroy);
  cairo_surface_t* surface = owned.get();
  cairo_status_t status =
      draw_cairo_chart(surface, request.chart, request.chart_style, request.varga, scale);
  if (status == CAIRO_STATUS_SUCCESS)
    status = cairo_surface_write_to_png_stream(surface, append_cairo_bytes, &out);
  return status == CAIRO_STATUS_SUCCESS ? nullptr : cairo_status_to_string(status);
}
