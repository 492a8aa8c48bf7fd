// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "support/ScriptedServices.h"

// The ground the file tests stand on: a canvas showing its page, with a
// figure drawn on both as every commit draws it, a scratch folder, and
// platform services that answer from a script.
inline const QSize kCanvasSize(160, 120);

class DrawnPageTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (Surface* s : {&canvas, &page}) {
            s->setAutoRedraw(true);
            s->setDrawWidth(3);
            s->line(QPointF(150, 150), QPointF(2000, 1500), Colour(0x0000FF));
            s->filledBox(QPointF(300, 900), QPointF(1200, 1700), kBlue);
            s->setAutoRedraw(false);
        }
        drawing = page.persistentImage();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    EditorState state;
    Surface canvas{kCanvasSize};
    Surface page{kCanvasSize};
    // The page as the figure left it.
    QImage drawing;
    ScriptedServices services;
};
