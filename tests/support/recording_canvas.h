#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "display/chart_canvas.h"

// Keeps every drawing call in order so that tests compare texts and points.
struct DrawCall {
  enum class Kind { black, text, line } kind;
  std::string text;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct RecordingCanvas : ChartCanvas {
  std::vector<DrawCall> calls;

  void select_black() override { calls.push_back({DrawCall::Kind::black, {}}); }
  void draw_text(const char* text, int x, int y) override {
    calls.push_back({DrawCall::Kind::text, text, x, y});
  }
  void draw_line(int x1, int y1, int x2, int y2) override {
    calls.push_back({DrawCall::Kind::line, {}, x1, y1, x2, y2});
  }

  std::vector<DrawCall> texts() const { return only(DrawCall::Kind::text); }
  std::vector<DrawCall> lines() const { return only(DrawCall::Kind::line); }

 private:
  std::vector<DrawCall> only(DrawCall::Kind kind) const {
    std::vector<DrawCall> out;
    for (const DrawCall& call : calls)
      if (call.kind == kind) out.push_back(call);
    return out;
  }
};

// A drawn text and where it stands, for comparing whole blocks at once.
using Text = std::tuple<std::string, int, int>;

inline std::vector<Text> texts_of(const RecordingCanvas& canvas) {
  std::vector<Text> out;
  for (const DrawCall& call : canvas.texts())
    out.emplace_back(call.text, call.x1, call.y1);
  return out;
}
