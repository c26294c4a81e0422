#pragma once
// A canvas whose drawing calls are recorded, with widgets placed on it.

#include "../../oonedraw/RecordingContext.h"
#include "oonedraw/GCanvas.h"

struct RecordedCanvas {
    RecordedCanvas() { canvas.dc = &dc; }

    template <class Widget> Widget* add() {
        auto* widget = new Widget;
        widget->canvas = &canvas;
        canvas.AddChild(widget);
        return widget;
    }

    RecordingContext dc; // outlives the canvas, which is destroyed first
    oonedraw::GCanvas canvas;
};
