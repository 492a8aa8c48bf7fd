// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>

// Each fuzzing entry defines LLVMFuzzerTestOneInput: libFuzzer calls it in
// the fuzzing build (make fuzz), and Replay.cpp calls it once for every file
// of the entry's corpus in the tests.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Starts Qt once, on the offscreen platform, as the tests do: decoding and
// painting pictures need a QGuiApplication, never a display.
void startQt();

inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken promise ends the run as a crash, so that libFuzzer keeps the input
// and the replay fails on it.
#define FUZZ_CHECK(condition)                                                                                 \
    do {                                                                                                      \
        if (!(condition)) {                                                                                   \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);              \
            std::abort();                                                                                     \
        }                                                                                                     \
    } while (false)
