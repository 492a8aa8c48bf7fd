// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <zlib.h>

// zlib's memory for every stream the files code opens. A stream set up with
// useZlibMemory() takes its memory here, so that a test can make it run out
// and check that each zlib call's failure fails the coding cleanly.
void useZlibMemory(z_stream& z);

// From now on only the next `count` zlib allocations succeed; a negative
// count lets every one succeed again.
void failZlibAllocationsAfter(int count);
