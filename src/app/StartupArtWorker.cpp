// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartupArtWorker.h"

#include <utility>

namespace {

// Art that start-up can hand to every button it is meant for.
bool complete(const Artwork::StartupArt& art, QSize barButton)
{
    auto fit = [&](const std::vector<QImage>& icons, size_t count) {
        if (icons.size() != count)
            return false;
        for (const QImage& icon : icons)
            if (icon.size() != barButton)
                return false;
        return true;
    };
    return !art.picture.isNull() && !art.cursor.isNull() && !art.windowIcon.empty() &&
           fit(art.mainBarIcons, 20) && fit(art.gridSizeIcons, 8) && fit(art.symmetryIcons, 4);
}

} // namespace

StartupArtWorker::StartupArtWorker(QSize barButton, Draw draw) : m_barButton(barButton)
{
    try {
        m_art = std::async(std::launch::async, std::move(draw), barButton);
    } catch (...) {
        // No thread to be had: take() draws the art itself.
    }
}

StartupArtWorker::~StartupArtWorker()
{
    if (m_art.valid())
        m_art.wait();
}

Artwork::StartupArt StartupArtWorker::take()
{
    if (m_art.valid()) {
        try {
            Artwork::StartupArt art = m_art.get();
            if (complete(art, m_barButton))
                return art;
        } catch (...) {
        }
    }
    m_fellBack = true;
    return Artwork::startupArt(m_barButton);
}
