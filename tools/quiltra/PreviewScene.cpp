#include "tools/quiltra/PreviewScene.h"

#include <algorithm>
#include <cmath>

namespace {

// The layout of a scene in tiles across the preview's shorter side.
struct Layout {
    float tileWidth, tileHeight; // in units of the preview's shorter side
    float rowOffset;             // how far each row is shifted, in tile widths
    float joint;                 // the joint's width, in units of the shorter side
};

Layout layoutOf(SceneKind kind) {
    switch (kind) {
    case SceneKind::planks:
        return {0.9f, 0.12f, 0.37f, 0.006f};
    case SceneKind::bricks:
        return {0.25f, 0.085f, 0.5f, 0.012f};
    case SceneKind::grid:
        return {0.2f, 0.2f, 0.0f, 0.01f};
    }
    return {0.2f, 0.2f, 0.0f, 0.01f};
}

} // namespace

std::optional<SceneKind> parseSceneKind(const std::string& name) {
    if (name == "planks") {
        return SceneKind::planks;
    }
    if (name == "bricks") {
        return SceneKind::bricks;
    }
    if (name == "grid") {
        return SceneKind::grid;
    }
    return std::nullopt;
}

ScenePoint scenePointAt(SceneKind kind, int x, int y, int width, int height) {
    const Layout layout = layoutOf(kind);
    const float unit = static_cast<float>(std::min(width, height));
    const float px = (static_cast<float>(x) + 0.5f) / unit;
    const float py = (static_cast<float>(y) + 0.5f) / unit;

    const int row = static_cast<int>(std::floor(py / layout.tileHeight));
    const float rowShift = std::fmod(static_cast<float>(row) * layout.rowOffset, 1.0f);
    const float shifted = px / layout.tileWidth + rowShift;
    const int column = static_cast<int>(std::floor(shifted));
    const float u = shifted - static_cast<float>(column);
    const float v = py / layout.tileHeight - static_cast<float>(row);

    ScenePoint point;
    const float jointU = layout.joint / layout.tileWidth * 0.5f;
    const float jointV = layout.joint / layout.tileHeight * 0.5f;
    point.onTile = u > jointU && u < 1.0f - jointU && v > jointV && v < 1.0f - jointV;
    point.u = u;
    point.v = 1.0f - v; // texture v runs up the tile
    point.dudx = 1.0f / (unit * layout.tileWidth);
    point.dvdy = 1.0f / (unit * layout.tileHeight);

    const int columns =
        static_cast<int>(std::ceil(static_cast<float>(width) / unit / layout.tileWidth)) + 2;
    const int tile = row * columns + column + 1;
    switch (kind) {
    case SceneKind::planks:
        point.objectHandle = static_cast<unsigned>(tile);
        point.face = 0;
        point.materialId = 1;
        break;
    case SceneKind::bricks:
        point.objectHandle = 1;
        point.face = tile;
        point.materialId = 1 + row % 4;
        break;
    case SceneKind::grid:
        point.objectHandle = 1;
        point.face = tile;
        point.materialId = tile;
        break;
    }
    return point;
}
