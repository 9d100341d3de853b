#include "relocation/typed_writer.h"

#include "relocation/typed_path.h"
#include "system/fatal.h"
#include "system/unique_handle.h"

#include <iterator>

namespace {

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

bool InTypeTable(ValueTypeSelector type) {
    return type >= 1 && type <= static_cast<int>(std::size(kValueTypes));
}

}  // namespace

bool WriteRegistryTyped(RegistryRoot root, Text& path, ValueTypeSelector type, Bytes& data) {
    // Unlike the text operations, no fallback: a wrong root is a program error.
    const HKEY rootKey = KnownRootKey(root);
    if (!rootKey) ReportFatalError("注册表根键选择符超出范围");
    if (type == kMultiStringSelector) data = ReplaceInBytes(data, {0x0D, 0x0A}, {0x00});
    if (!InTypeTable(type)) ReportFatalError("注册表值类型选择符超出范围");
    const ValueType& valueType = kValueTypes[type - 1];

    RegistryLocation where = SplitTypedPath(path);
    path = where.keyPath;

    UniqueKey key;
    if (RegOpenKeyExA(rootKey, where.keyPath.c_str(), 0, KEY_SET_VALUE, key.put()) !=
        ERROR_SUCCESS) {
        return false;
    }
    Bytes stored = data;
    if (valueType.appendNul) stored.push_back(0);
    return RegSetValueExA(key.get(), where.valueName.c_str(), 0, valueType.code,
                          stored.empty() ? nullptr : stored.data(),
                          static_cast<DWORD>(stored.size())) == ERROR_SUCCESS;
}
