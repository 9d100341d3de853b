#include "relocation/typed_writer.h"

#include "relocation/typed_path.h"
#include "system/fatal.h"
#include "system/unique_handle.h"

#include <iterator>

namespace {

const HKEY kRootKeys[] = {
    // selector 1 ... 5; no fallback for anything else
    HKEY_CLASSES_ROOT, HKEY_CURRENT_CONFIG, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
};

struct ValueType {
    DWORD code;
    bool appendNul;  // the single-string types store one NUL after the data
};

const ValueType kValueTypes[] = {
    // code                                   append NUL   selector
    {REG_NONE,                                false},      //  1
    {REG_SZ,                                  true},       //  2
    {REG_EXPAND_SZ,                           true},       //  3
    {REG_BINARY,                              false},      //  4
    {REG_DWORD,                               false},      //  5
    {REG_DWORD_BIG_ENDIAN,                    false},      //  6
    {REG_MULTI_SZ,                            false},      //  7 (REG_LINK has no selector)
    {REG_RESOURCE_LIST,                       false},      //  8
    {REG_FULL_RESOURCE_DESCRIPTOR,            false},      //  9
    {REG_RESOURCE_REQUIREMENTS_LIST,          false},      // 10
    {REG_QWORD,                               false},      // 11
    {12,                                      false},      // 12: no named type
};

constexpr ValueTypeSelector kMultiStringSelector = 7;

template <typename Table>
bool InTable(int selector, const Table& table) {
    return selector >= 1 && selector <= static_cast<int>(std::size(table));
}

}  // namespace

bool WriteRegistryTyped(RegistryRoot root, Text& path, ValueTypeSelector type, Bytes& data) {
    if (!InTable(root, kRootKeys)) ReportFatalError("注册表根键选择符超出范围");
    if (type == kMultiStringSelector) data = ReplaceInBytes(data, {0x0D, 0x0A}, {0x00});
    if (!InTable(type, kValueTypes)) ReportFatalError("注册表值类型选择符超出范围");
    const ValueType& valueType = kValueTypes[type - 1];

    RegistryLocation where = SplitTypedPath(path);
    path = where.keyPath;

    UniqueKey key;
    if (RegOpenKeyExA(kRootKeys[root - 1], where.keyPath.c_str(), 0, KEY_SET_VALUE, key.put()) !=
        ERROR_SUCCESS) {
        return false;
    }
    Bytes stored = data;
    if (valueType.appendNul) stored.push_back(0);
    return RegSetValueExA(key.get(), where.valueName.c_str(), 0, valueType.code,
                          stored.empty() ? nullptr : stored.data(),
                          static_cast<DWORD>(stored.size())) == ERROR_SUCCESS;
}
