#include <cairo.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drawing/chart_geometry.h"
#include "support/print_run.h"

namespace {

using PicturePrintTest = InFreshFolder;

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;

// The diagram's frame stands where the window draws it, one window pixel
// wide at every scale: all its device pixels black, those beside it white.
TEST_F(PicturePrintTest, PngFrameOnTheWindowsPixelsAtEachScale) {
  for (int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    const std::string file = path("chart.png");
    const PrintRun run = run_print(std::vector<std::string>{
        "--format", "png", "--scale", std::to_string(scale), "--date", "1990-03-05",
        "--time", "07:05", "--output", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    cairo_surface_t* png = cairo_image_surface_create_from_png(file.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), chart_width * scale);
    EXPECT_EQ(cairo_image_surface_get_height(png), chart_height * scale);
    const unsigned char* data = cairo_image_surface_get_data(png);
    const int stride = cairo_image_surface_get_stride(png);
    auto rgb = [&](int x, int y) {
      return *reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x) &
             0xFFFFFF;
    };
    // A hundred window pixels along each side: clear of corners and texts.
    const int left = diagram_origin.x * scale, top = diagram_origin.y * scale;
    const int down = (diagram_origin.y + 100) * scale;
    const int across = (diagram_origin.x + 100) * scale;
    for (int i = 0; i < scale; ++i) {
      EXPECT_EQ(rgb(left + i, down), black);
      EXPECT_EQ(rgb(across, top + i), black);
    }
    EXPECT_EQ(rgb(left - 1, down), white);
    EXPECT_EQ(rgb(left + scale, down), white);
    EXPECT_EQ(rgb(across, top - 1), white);
    EXPECT_EQ(rgb(across, top + scale), white);
    cairo_surface_destroy(png);
  }
}

// Mended: a picture Cairo cannot draw (here no memory for a scale-4
// surface) is reported, and no file is written.
TEST_F(PicturePrintTest, APictureThatCannotBeDrawnIsReported) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator reports running out of memory itself";
#endif
  const std::string said = said_in_child([this] {
    std::vector<std::string> chart{"--format", "png",   "--date",   "1990-03-05",
                                   "--time",   "07:05", "--output", path("chart.png")};
    run_print(chart);  // the fonts and the library set up first
    std::remove(path("chart.png").c_str());
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE)) + (16 << 20);
    setrlimit(RLIMIT_AS, &limit);
    chart.insert(chart.begin() + 2, {"--scale", "4"});
    const PrintRun run = run_print(chart);
    return std::to_string(run.status) + " " + run.err;
  });
  EXPECT_EQ(said, "1 vantrel-print: cannot draw the chart: out of memory\n");
  EXPECT_FALSE(std::filesystem::exists(path("chart.png")));
}

}  // namespace
