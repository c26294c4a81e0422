#pragma once
// Offscreen pictures painted through the Qt drawing context, compared pixel for pixel with
// the committed images in tests/data/golden.

#include "oonedraw/GCanvas.h"
#include "platform/qt/CanvasPicture.h"

#include <QImage>
#include <gtest/gtest.h>

#include <string>

// A white picture of the given size in canvas units, in a format that raster operations
// (inverting and exclusive-or drawing) work on.
QImage WhiteImage(int width, int height);

// Compares with tests/data/golden/<name>.png. On a mismatch the picture is written to the
// build's golden-actual folder and the failure names that file. With ZORV_REGENERATE_GOLDEN=1
// in the environment the committed image is rewritten instead.
testing::AssertionResult MatchesGolden(const QImage& actual, const std::string& name);
