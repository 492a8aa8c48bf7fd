// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/FramePacer.h"

// The one place that says whether repaints are gathered by frame. It stands
// alone so that the benchmarks' plain program can build it with
// LIENZO_FRAME_PACING=0 beside the same library, which then leaves its own
// copy out.
#ifndef LIENZO_FRAME_PACING
#define LIENZO_FRAME_PACING 1
#endif

namespace {

constexpr bool kPacesFrames = LIENZO_FRAME_PACING != 0;

} // namespace

bool FramePacer::pacesFrames()
{
    return kPacesFrames;
}
