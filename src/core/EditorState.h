// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "core/NumericRules.h"

// The window-level variables that every handler reads and writes. Several of
// them were loosely typed values that start out empty; an empty value reads as
// 0 in arithmetic and as False in a test, so each is kept here as the plain type
// it holds in practice, starting at 0 or false. The start-up handler then gives
// them the values the program starts with.
struct EditorState
{
    std::int32_t mirrorAxisX = 0;
    std::int32_t mirrorAxisY = 0;
    std::int16_t gridStep = 0;
    std::int32_t pointerX = 0;
    std::int32_t pointerY = 0;
    std::int32_t anchorX = 0;
    std::int32_t anchorY = 0;
    std::int32_t mirrorAnchorX = 0;
    std::int32_t mirrorAnchorY = 0;
    std::int32_t circleRadius = 0;
    bool mirrorVertical = false;
    bool mirrorHorizontal = false;
    bool mirrorCentral = false;
    bool historyFresh = false;
    bool textTyped = false;
    std::uint8_t toolMode = 0;
    std::int16_t dotRadius = 0;
    std::uint8_t gridSizeIndex = 0;
    std::int32_t previousX = 0;
    std::int32_t previousY = 0;
    double colourRed = 0;
    double colourGreen = 0;
    std::int16_t colourBlue = 0;
    std::uint8_t currentPage = 0;
    std::uint8_t highlightedPage = 0;
    std::int16_t lineWidth = 0;
    std::int16_t polygonMethod = 0;
    double polygonSides = 0;
    std::int16_t curveSubMode = 0;
    double piValue = 0;
    std::array<double, 53> vertexX{};
    std::array<std::int32_t, 53> vertexY{};
    std::uint8_t fillPattern = 0;
    std::array<std::int16_t, 10> historyPosition{};
    std::int16_t eraserHalfSize = 0;

    // The drawing colour C of the current components.
    Colour colour() const { return drawingColour(colourRed, colourGreen, colourBlue); }
};

// Tool numbers held in toolMode.
namespace Tool {
constexpr std::uint8_t Line = 2;
constexpr std::uint8_t Dots = 3;
constexpr std::uint8_t Freehand = 4;
constexpr std::uint8_t Curve = 8;
constexpr std::uint8_t Rectangle = 10;
constexpr std::uint8_t Fill = 11;
constexpr std::uint8_t Polygon = 12;
constexpr std::uint8_t Text = 16;
constexpr std::uint8_t Eraser = 18;
} // namespace Tool

// The start values the program begins with (everything start-up sets that does
// not depend on the laid-out window).
void applyStartValues(EditorState& state);
