// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/ZlibMemory.h"

#include <atomic>
#include <cstdlib>

namespace {

std::atomic<int> g_allowed{-1};

voidpf allocate(voidpf, uInt items, uInt size)
{
    int left = g_allowed.load(std::memory_order_relaxed);
    while (left >= 0) {
        if (left == 0)
            return Z_NULL;
        if (g_allowed.compare_exchange_weak(left, left - 1, std::memory_order_relaxed))
            break;
    }
    return std::calloc(items, size);
}

void release(voidpf, voidpf address)
{
    std::free(address);
}

} // namespace

void useZlibMemory(z_stream& z)
{
    z.zalloc = allocate;
    z.zfree = release;
    z.opaque = Z_NULL;
}

void failZlibAllocationsAfter(int count)
{
    g_allowed.store(count < 0 ? -1 : count, std::memory_order_relaxed);
}
