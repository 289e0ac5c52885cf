#pragma once

#include "host/INode.h"
#include "host/ShadeContext.h"

#include <cstdint>

class Texmap;

// A shading sample whose one key stands for its material ID, its node and
// its face alike, so that every way of picking sees the same key.
class KeyedContext : public ShadeContext {
  public:
    explicit KeyedContext(std::uint32_t key) : node(key), face(static_cast<int>(key)) {
        mtlNum = static_cast<int>(key);
    }
    INode* Node() override { return &node; }
    int FaceNumber() override { return face; }

    // The sub-map that answered the sample, if it tells.
    Texmap* picked = nullptr;

  private:
    class KeyedNode : public INode {
      public:
        explicit KeyedNode(std::uint32_t k) : key(k) {}
        ULONG GetHandle() override { return key; }

      private:
        ULONG key;
    };
    KeyedNode node;
    int face;
};
