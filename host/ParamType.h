#pragma once

// The vocabulary of parameter block descriptors: parameter types, flags, the
// tags of a parameter's stanza and the user-interface controls.

enum ParamType2 : int {
    TYPE_FLOAT = 0,
    TYPE_INT = 1,
    TYPE_STRING = 2,
    TYPE_FILENAME = 3,
    TYPE_TEXMAP = 4,
    TYPE_TEXMAP_TAB = 5,
};

constexpr bool isTableType(int type) {
    return type == TYPE_TEXMAP_TAB;
}
constexpr bool isTexmapType(int type) {
    return type == TYPE_TEXMAP || type == TYPE_TEXMAP_TAB;
}
constexpr bool isStringType(int type) {
    return type == TYPE_STRING || type == TYPE_FILENAME;
}

// Block flags.
constexpr int P_AUTO_CONSTRUCT = 0x0001; // made with every object; followed by its reference number
constexpr int P_AUTO_UI =
    0x0002; // automatic rollout; followed by template, title, masks, procedure

// Parameter flags.
constexpr int P_ANIMATABLE = 0x0001;
constexpr int P_VARIABLE_SIZE = 0x0002;

// Tags inside a parameter's stanza; every stanza and the whole list end with p_end.
// They lie outside the range of parameter IDs.
enum ParamTag : int {
    p_default = 0x10000001,
    p_range = 0x10000002,
    p_ui = 0x10000003,
    p_end = 0x1000000F,
};

// Controls of the automatic rollout.
enum ControlType2 : int {
    TYPE_SPINNER = 1,
    TYPE_RADIO = 2,
};
enum EditSpinnerType : int {
    EDITTYPE_FLOAT = 1,
    EDITTYPE_INT = 2,
    EDITTYPE_POS_INT = 3,
};
// A spinner step that follows the value's size.
constexpr float SPIN_AUTOSCALE = -1.0f;

using BlockID = short;
using ParamID = short;
using MapID = int;
using StringResID = int;
