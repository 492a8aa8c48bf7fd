#pragma once

struct EditorState;
class Surface;

// The paint bucket: fills the region around the pointer on the canvas and
// then on the page, each from the colour it finds there.
void commitFill(EditorState& state, Surface& canvas, Surface& page);
