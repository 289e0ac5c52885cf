#pragma once

#include <optional>
#include <string>

// The preview scenes: flat layouts of tiles seen straight on, each tile
// mapped with texture coordinates 0 to 1 across it.
enum class SceneKind {
    planks, // a floor of boards in staggered rows, each board its own object
    bricks, // a wall that is one object, each brick a face, each row a material ID
    grid,   // squares, each its own material ID
};

std::optional<SceneKind> parseSceneKind(const std::string& name);

// What a pixel of the preview sees: a tile, or the joint between tiles.
struct ScenePoint {
    bool onTile = false;
    unsigned objectHandle = 0;
    int face = 0;
    int materialId = 0;
    float u = 0.0f, v = 0.0f; // 0 to 1 across the tile
    float dudx = 0.0f;        // change of u from one pixel to the next along x
    float dvdy = 0.0f;        // change of v from one pixel to the next along y
};

// The point at the centre of pixel (x, y) of a width by height preview, y
// counted from the top.
ScenePoint scenePointAt(SceneKind kind, int x, int y, int width, int height);
