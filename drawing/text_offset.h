#pragma once

// A text's place from a block's origin: dy is the top of the text line, its
// baseline lies 12 pixels lower.
struct TextOffset {
  int dx;
  int dy;
};
