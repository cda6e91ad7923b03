#pragma once
// Sizes that follow from the canvas width W (the canvas sizing rule).

struct CanvasGeometry {
    int canvasWidth; // canvasPicture: W, at (21, 21) in Pnl_Main
    int panelWidth;  // Pnl_Main: W + 42
    int scrollRange; // canvasArea horizontal range: panel width + 120
    int rulerWidth;  // rulerPicture: W + 40
};

CanvasGeometry canvasGeometryFor(int width);

inline constexpr int kCanvasInPanel = 21; // the canvas's place in Pnl_Main
inline constexpr int kPanelLeft = 72;     // Pnl_Main's place in canvasArea
inline constexpr int kPanelTop = 108;
inline constexpr int kPanelHeight = 174;
