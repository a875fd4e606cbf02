#include "cli/pdf_report.h"

#include <cairo-pdf.h>

#include "cli/cairo_canvas.h"
#include "drawing/chart_geometry.h"

const char* append_pdf_report(std::string& out, const ReportRequest& request) {
  const CairoSurface owned(cairo_pdf_surface_create_for_stream(append_cairo_bytes, &out,
                                                               chart_width, chart_height),
                           cairo_surface_destroy);
  cairo_surface_t* surface = owned.get();
  // Cairo dates a PDF by the clock unless told otherwise; a date it cannot
  // read (here none) leaves the entry out.
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, "");
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_MOD_DATE, "");
  cairo_status_t status =
      draw_cairo_chart(surface, request.chart, request.chart_style, request.varga, 1);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  return status == CAIRO_STATUS_SUCCESS ? nullptr : cairo_status_to_string(status);
}
