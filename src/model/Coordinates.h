#pragma once
// The canvas lies at (21, 21) on the editing surface. Elements keep surface
// positions (Left, Top); panels, files and frames use template positions.
inline constexpr int kCanvasOrigin = 21;

inline constexpr int surfaceFromTemplate(int templateCoordinate) {
    return templateCoordinate + kCanvasOrigin;
}
inline constexpr int templateFromSurface(int surfaceCoordinate) {
    return surfaceCoordinate - kCanvasOrigin;
}
