// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <utility>

#include <gtest/gtest.h>

#include "canvas/Surface.h"

// A Surface that checks its invariants after every operation that can touch
// its caches, and fails the running test with the first one broken. A test
// fixture names it `Surface`, so that the tests' own lines stay as they are.
class CheckedSurface : public ::Surface
{
  public:
    using ::Surface::Surface;
    CheckedSurface(::Surface other) : ::Surface(std::move(other)) { check(); }

    // Checks on leaving the operation it is made in, after any result is made.
    class After
    {
      public:
        explicit After(const CheckedSurface& surface) : m_surface(surface) {}
        ~After() { m_surface.check(); }
        After(const After&) = delete;
        After& operator=(const After&) = delete;

      private:
        const CheckedSurface& m_surface;
    };

    // The batch checks once the surface has reported what it held back.
    class ChangeBatch
    {
      public:
        explicit ChangeBatch(CheckedSurface& surface) : m_surface(surface) { m_batch.emplace(surface); }
        ~ChangeBatch()
        {
            m_batch.reset();
            m_surface.check();
        }
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

      private:
        CheckedSurface& m_surface;
        std::optional<::Surface::ChangeBatch> m_batch;
    };

#define LIENZO_CHECKED(name)                                                                                 \
    template <typename... Args> decltype(auto) name(Args&&... args)                                          \
    {                                                                                                        \
        const After after(*this);                                                                            \
        return ::Surface::name(std::forward<Args>(args)...);                                                 \
    }
#define LIENZO_CHECKED_CONST(name)                                                                           \
    template <typename... Args> decltype(auto) name(Args&&... args) const                                    \
    {                                                                                                        \
        const After after(*this);                                                                            \
        return ::Surface::name(std::forward<Args>(args)...);                                                 \
    }
    LIENZO_CHECKED(setShown)
    LIENZO_CHECKED(resize)
    LIENZO_CHECKED(setAutoRedraw)
    LIENZO_CHECKED(setBackColor)
    LIENZO_CHECKED(setPicture)
    LIENZO_CHECKED(line)
    LIENZO_CHECKED(lines)
    LIENZO_CHECKED(box)
    LIENZO_CHECKED(filledBox)
    LIENZO_CHECKED(circle)
    LIENZO_CHECKED(plot)
    LIENZO_CHECKED(plotGrid)
    LIENZO_CHECKED(floodFill)
    LIENZO_CHECKED(print)
    LIENZO_CHECKED(refresh)
    LIENZO_CHECKED_CONST(image)
    LIENZO_CHECKED_CONST(persistentImage)
    LIENZO_CHECKED_CONST(screen)
    LIENZO_CHECKED_CONST(pixel)
    LIENZO_CHECKED_CONST(paint)
#undef LIENZO_CHECKED
#undef LIENZO_CHECKED_CONST

    void check() const
    {
        const QString broken = checkInvariants();
        if (!broken.isEmpty())
            ADD_FAILURE() << "surface invariant broken: " << broken.toStdString();
    }
};
