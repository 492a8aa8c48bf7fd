// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QImage;
class QIODevice;

// Writes `image` to `device` as a PNG of 8-bit RGB without transparency, as
// a page has none. Fast rather than small: each row is coded against the row
// above, then runs of repeated bytes (the flat parts of a drawing) are packed
// where they are common and only the byte frequencies elsewhere (a
// photograph, where hardly any longer repeat is found). Horizontal parts of
// the picture are packed on separate threads: `parts` of them, or with 0 one
// for each processor, up to four. False when the device refuses a write.
bool encodePng(const QImage& image, QIODevice& device, int parts = 0);
