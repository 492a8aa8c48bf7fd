// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <QImage>
#include <QRectF>
#include <QString>
#include <QTemporaryDir>

class MainWindow;
class ScriptedServices;

// Drives the real window with a seeded run of random events through every
// handler, with scripted answers to its dialogs, and checks after every
// release that the page is still what the canvas shows (where the canvas
// shows nothing of its own), that the history positions lie in the ring and
// that the window goes on taking events; after every event, that each
// surface's caches agree with each other. A failure names the seed and the
// latest events, so that the run can be replayed.
class Soak
{
  public:
    Soak(MainWindow& window, ScriptedServices& services, std::uint32_t seed);

    void run(long events);
    long events() const { return m_event; }
    // How many times the page was compared with the canvas after a release.
    long compared() const { return m_compared; }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }
    template <typename T, size_t N> const T& pick(const T (&items)[N])
    {
        return items[size_t(below(int(N)))];
    }
    float coordinate(double extent);
    void note(const QString& what);
    std::string context() const;
    void fail(const std::string& what);

    void ran(bool everyRow = false);
    void makeFiles();
    void gesture();
    void move(int button, float x, float y);
    void press(int button, float x, float y);
    void release(int button, float x, float y);
    void mainBar();
    void optionBar();
    void combo();
    void typing();
    void closeRequest();
    bool drawingPropertiesDiffer() const;
    void checkAfterRelease();
    void checkAnswering();

    MainWindow& m_window;
    ScriptedServices& m_services;
    std::uint32_t m_seed;
    std::mt19937 m_random;
    QRectF m_canvasArea;
    QRectF m_paletteArea;
    QTemporaryDir m_files;
    std::vector<std::optional<QString>> m_openAnswers;
    std::vector<std::optional<QString>> m_saveAnswers;
    std::deque<QString> m_recent;
    long m_event = 0;
    long m_releases = 0;
    long m_compared = 0;
    // The canvas shows something the page does not: the start-up picture,
    // the help picture or the grid, or a figure drawn while the two surfaces'
    // own colours or fill differed. Cleared when the canvas is reloaded.
    bool m_canvasOwn = true;
    bool m_failed = false;
};
