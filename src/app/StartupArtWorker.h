// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <future>

#include <QSize>

#include "app/Artwork.h"

// Gets the start-up art ready on a thread of its own while the window is
// built. The thread shares nothing with the GUI thread: it draws with objects
// it makes itself and hands back only the finished pictures. Whatever goes
// wrong there (the thread cannot start, the drawing throws, the art comes
// back incomplete), take() draws the art on the calling thread instead, so a
// failure costs time and never the start.
class StartupArtWorker
{
  public:
    using Draw = std::function<Artwork::StartupArt(QSize)>;

    // Starts drawing the art for bar buttons of the given size; `draw` is
    // what the worker runs (tests hand in one that fails).
    explicit StartupArtWorker(QSize barButton, Draw draw = &Artwork::startupArt);
    StartupArtWorker(const StartupArtWorker&) = delete;
    StartupArtWorker& operator=(const StartupArtWorker&) = delete;
    // Waits for a worker that is still drawing.
    ~StartupArtWorker();

    // The art, once: the worker's when it succeeded, otherwise drawn here.
    Artwork::StartupArt take();
    // Whether take() had to draw the art itself.
    bool fellBack() const { return m_fellBack; }

  private:
    QSize m_barButton;
    std::future<Artwork::StartupArt> m_art;
    bool m_fellBack = false;
};
