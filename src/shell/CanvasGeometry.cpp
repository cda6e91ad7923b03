#include "shell/CanvasGeometry.h"

CanvasGeometry canvasGeometryFor(int width) {
    return {width, width + 42, width + 42 + 120, width + 40};
}
