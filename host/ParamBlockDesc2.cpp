#include "host/ParamBlockDesc2.h"

#include "host/ClassDesc2.h"
#include "host/ParamMap2.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr int kKnownBlockFlags = P_AUTO_CONSTRUCT | P_AUTO_UI;
constexpr int kKnownParamFlags = P_ANIMATABLE | P_VARIABLE_SIZE;
// A list without its closing p_end runs on into whatever follows it; these
// bounds turn that into a clear failure instead of a long walk.
constexpr int kMaxParams = 512;
constexpr int kMaxTagsPerParam = 32;
constexpr int kMaxRadioButtons = 64;

// Reads the argument list and reports the first thing wrong with it.
class ListReader {
  public:
    ListReader(const char* blockName, va_list& list) : block(blockName), args(list) {}

    int nextInt() { return va_arg(args, int); }
    float nextFloat() { return static_cast<float>(va_arg(args, double)); }
    const char* nextString() { return va_arg(args, const char*); }
    void* nextPointer() { return va_arg(args, void*); }

    [[noreturn]] void fail(const std::string& what, const ParamDef* param = nullptr) {
        std::ostringstream message;
        message << "malformed parameter block descriptor \"" << block << "\"";
        if (param) {
            message << ", parameter " << param->ID << " (\"" << param->int_name << "\")";
        }
        message << ": " << what;
        std::fprintf(stderr, "%s\n", message.str().c_str());
        std::fflush(stderr);
        std::abort();
    }

  private:
    const char* block;
    va_list& args;
};

bool isKnownType(int type) {
    return type >= TYPE_FLOAT && type <= TYPE_TEXMAP_TAB;
}

void readDefault(ListReader& in, ParamDef& p) {
    switch (p.type) {
    case TYPE_FLOAT:
        p.defaultFloat = in.nextFloat();
        break;
    case TYPE_INT:
        p.defaultInt = in.nextInt();
        break;
    case TYPE_STRING:
    case TYPE_FILENAME: {
        const char* s = in.nextString();
        p.defaultString = s ? s : "";
        break;
    }
    default:
        in.fail("p_default is not allowed for a map parameter", &p);
    }
    p.hasDefault = true;
}

void readRange(ListReader& in, ParamDef& p) {
    if (p.type == TYPE_FLOAT) {
        p.rangeLowFloat = in.nextFloat();
        p.rangeHighFloat = in.nextFloat();
        if (!(p.rangeLowFloat <= p.rangeHighFloat)) {
            in.fail("p_range runs backwards", &p);
        }
    } else if (p.type == TYPE_INT) {
        p.rangeLowInt = in.nextInt();
        p.rangeHighInt = in.nextInt();
        if (p.rangeLowInt > p.rangeHighInt) {
            in.fail("p_range runs backwards", &p);
        }
    } else {
        in.fail("p_range is only for float and integer parameters", &p);
    }
    p.hasRange = true;
}

void readUi(ListReader& in, ParamDef& p) {
    p.uiType = in.nextInt();
    if (p.uiType == TYPE_SPINNER) {
        p.editType = in.nextInt();
        const bool fits =
            (p.type == TYPE_FLOAT && p.editType == EDITTYPE_FLOAT) ||
            (p.type == TYPE_INT && (p.editType == EDITTYPE_INT || p.editType == EDITTYPE_POS_INT));
        if (!fits) {
            in.fail("spinner edit type does not fit the parameter type", &p);
        }
        p.ctrlIDs.push_back(in.nextInt());
        p.ctrlIDs.push_back(in.nextInt());
        p.scale = in.nextFloat();
        if (!(p.scale > 0.0f) && p.scale != SPIN_AUTOSCALE) {
            in.fail("spinner step must be positive or SPIN_AUTOSCALE", &p);
        }
    } else if (p.uiType == TYPE_RADIO) {
        if (p.type != TYPE_INT) {
            in.fail("radio buttons are only for integer parameters", &p);
        }
        const int count = in.nextInt();
        if (count < 1 || count > kMaxRadioButtons) {
            in.fail("radio button count out of range", &p);
        }
        for (int i = 0; i < count; ++i) {
            p.ctrlIDs.push_back(in.nextInt());
        }
    } else {
        in.fail("unknown p_ui control type " + std::to_string(p.uiType), &p);
    }
}

void checkParam(ListReader& in, const ParamDef& p) {
    if (p.hasDefault && p.hasRange) {
        const bool inside =
            p.type == TYPE_FLOAT
                ? (p.defaultFloat >= p.rangeLowFloat && p.defaultFloat <= p.rangeHighFloat)
                : (p.defaultInt >= p.rangeLowInt && p.defaultInt <= p.rangeHighInt);
        if (!inside) {
            in.fail("p_default lies outside p_range", &p);
        }
    }
    if (p.uiType == TYPE_RADIO && p.hasRange &&
        (p.rangeLowInt != 0 || p.rangeHighInt != static_cast<int>(p.ctrlIDs.size()) - 1)) {
        in.fail("p_range does not match the number of radio buttons", &p);
    }
}

} // namespace

ParamBlockDesc2::ParamBlockDesc2(BlockID id, const char* name, StringResID localName,
                                 ClassDesc2* owner, int blockFlags, ...)
    : ID(id), int_name(name ? name : ""), local_name(localName), cd(owner), flags(blockFlags) {
    va_list list;
    va_start(list, blockFlags);
    ListReader in(int_name.c_str(), list);

    if (int_name.empty()) {
        in.fail("the block has no internal name");
    }
    if (flags & ~kKnownBlockFlags) {
        in.fail("unknown block flags");
    }
    if (flags & P_AUTO_CONSTRUCT) {
        ref_no = in.nextInt();
        if (ref_no < 0) {
            in.fail("P_AUTO_CONSTRUCT needs a reference number of 0 or more");
        }
    }
    if (flags & P_AUTO_UI) {
        dlg_template = in.nextInt();
        title = in.nextInt();
        test_flags = in.nextInt();
        rollup_flags = in.nextInt();
        dlgProc = static_cast<ParamMap2UserDlgProc*>(in.nextPointer());
    }

    for (int next = in.nextInt(); next != p_end; next = in.nextInt()) {
        if (Count() == kMaxParams) {
            in.fail("more than " + std::to_string(kMaxParams) +
                    " parameters: is the closing p_end missing?");
        }
        if (next < 0 || next > 0x7FFF) {
            in.fail("expected a parameter ID or the closing p_end, found " + std::to_string(next));
        }
        ParamDef p;
        p.ID = static_cast<ParamID>(next);
        const char* paramName = in.nextString();
        p.int_name = paramName ? paramName : "";
        if (p.int_name.empty()) {
            in.fail("parameter " + std::to_string(next) + " has no internal name");
        }
        if (IDtoIndex(p.ID) >= 0) {
            in.fail("the ID is used twice", &p);
        }
        p.type = in.nextInt();
        if (!isKnownType(p.type)) {
            in.fail("unknown type " + std::to_string(p.type), &p);
        }
        if (isTableType(p.type)) {
            p.tab_size = in.nextInt();
            if (p.tab_size < 0) {
                in.fail("negative table size", &p);
            }
        }
        p.flags = in.nextInt();
        if (p.flags & ~kKnownParamFlags) {
            in.fail("unknown parameter flags", &p);
        }
        if ((p.flags & P_ANIMATABLE) && p.type != TYPE_FLOAT && p.type != TYPE_INT) {
            in.fail("only float and integer parameters can be animatable", &p);
        }
        if ((p.flags & P_VARIABLE_SIZE) && !isTableType(p.type)) {
            in.fail("P_VARIABLE_SIZE is only for tables", &p);
        }
        p.local_name = in.nextInt();

        int tags = 0;
        for (int tag = in.nextInt(); tag != p_end; tag = in.nextInt()) {
            if (++tags > kMaxTagsPerParam) {
                in.fail("too many tags: is the stanza's p_end missing?", &p);
            }
            switch (tag) {
            case p_default:
                readDefault(in, p);
                break;
            case p_range:
                readRange(in, p);
                break;
            case p_ui:
                readUi(in, p);
                break;
            default:
                in.fail("unknown tag " + std::to_string(tag), &p);
            }
        }
        checkParam(in, p);
        // The entries of a table are the block's last references, so that a
        // table can grow and shrink without moving another map's reference.
        if (isTexmapType(p.type) &&
            std::any_of(paramdefs.begin(), paramdefs.end(),
                        [](const ParamDef& d) { return isTableType(d.type); })) {
            in.fail("a table must be the block's last map parameter", &p);
        }
        paramdefs.push_back(std::move(p));
    }
    va_end(list);

    if (cd) {
        cd->AddParamBlockDesc(this);
    }
}

ParamBlockDesc2::~ParamBlockDesc2() {
    if (cd) {
        cd->RemoveParamBlockDesc(this);
    }
}

ParamID ParamBlockDesc2::IndextoID(int index) const {
    return index >= 0 && index < Count() ? paramdefs[index].ID : ParamID(-1);
}

int ParamBlockDesc2::IDtoIndex(ParamID id) const {
    for (int i = 0; i < Count(); ++i) {
        if (paramdefs[i].ID == id) {
            return i;
        }
    }
    return -1;
}

const ParamDef& ParamBlockDesc2::GetParamDef(ParamID id) const {
    static const ParamDef none;
    const int index = IDtoIndex(id);
    return index >= 0 ? paramdefs[index] : none;
}

void ParamBlockDesc2::SetUserDlgProc(MapID, ParamMap2UserDlgProc* proc) {
    dlgProc = proc;
    if (IParamMap2* map = cd ? cd->NewestParamMap(this) : nullptr) {
        map->SetUserDlgProc(proc);
    }
}

void ParamBlockDesc2::ForgetUserDlgProc(const ParamMap2UserDlgProc* proc) {
    if (dlgProc == proc) {
        dlgProc = nullptr;
    }
}

ParamMap2UserDlgProc* ParamBlockDesc2::GetUserDlgProc(MapID) const {
    return dlgProc;
}
