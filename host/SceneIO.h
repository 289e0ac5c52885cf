#pragma once

#include "host/CStr.h"
#include "host/HostApi.h"

// What an object writes into a scene file: named values, and lists of items
// that hold named values of their own.
class HOST_API ISave {
  public:
    virtual ~ISave() = default;
    virtual void WriteInt(const char* key, int v) = 0;
    virtual void WriteFloat(const char* key, float v) = 0; // read back exactly
    virtual void WriteString(const char* key, const char* v) = 0;
    virtual void BeginList(const char* key) = 0;
    virtual void BeginItem() = 0;
    virtual void EndItem() = 0;
    virtual void EndList() = 0;
};

// What an object reads back. Every read answers false when the value is
// missing or of another type, so that a damaged file is noticed.
class HOST_API ILoad {
  public:
    virtual ~ILoad() = default;
    virtual bool ReadInt(const char* key, int& v) = 0;
    virtual bool ReadFloat(const char* key, float& v) = 0;
    virtual bool ReadString(const char* key, MSTR& v) = 0;
    // The number of items in the list, or -1 when there is no such list.
    virtual int OpenList(const char* key) = 0;
    virtual bool OpenItem(int i) = 0;
    virtual void CloseItem() = 0;
    virtual void CloseList() = 0;
};
