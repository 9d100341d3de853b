// Registry text operations against Wine's real registry, in a scratch key.
#include "system/registry.h"
#include "tests/support.h"

#include <gtest/gtest.h>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    ScratchKey scratch{"registry"};
    std::string At(const std::string& name) const { return scratch.path() + "\\" + name; }
};

TEST_F(RegistryTest, ReadGivesTextOrTheDefault) {
    const std::string key = scratch.path();
    struct Case {
        const char* name;
        DWORD type;
        Bytes data;
        std::string expected;
    } cases[] = {
        {"plain", REG_SZ, BytesOf("D:\\Docs", true), "D:\\Docs"},
        {"gbk", REG_SZ, BytesOf("E:\\影音下载", true), "E:\\影音下载"},
        {"only-nul", REG_SZ, {0}, ""},
        {"no-data", REG_SZ, {}, "default"},
        // Stored without a NUL: returned whole, nothing read past it.
        {"no-nul", REG_SZ, BytesOf("abc", false), "abc"},
        {"inner-nul", REG_SZ, {'a', 0, 'b', 0}, "a"},
        {"dword", REG_DWORD, {1, 0, 0, 0}, "default"},
        {"binary", REG_BINARY, BytesOf("abc", true), "default"},
        {"multi", REG_MULTI_SZ, {'a', 0, 0}, "default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store(HKEY_CURRENT_USER, key, c.name, c.type, c.data);
        EXPECT_EQ(ReadRegistryText(3, At(c.name), "default"), c.expected);
    }
    EXPECT_EQ(ReadRegistryText(3, At("missing"), "default"), "default");
    EXPECT_EQ(ReadRegistryText(3, At("no such key\\value"), "default"), "default");
}

TEST_F(RegistryTest, ReadExpandsExpandableText) {
    SetEnvironmentVariableA("ZELVORA_PROBE", "D:\\展开");
    Store(HKEY_CURRENT_USER, scratch.path(), "expand", REG_EXPAND_SZ,
          BytesOf("%ZELVORA_PROBE%\\Temp", true));
    EXPECT_EQ(ReadRegistryText(3, At("expand"), "default"), "D:\\展开\\Temp");

    // A long expansion of two-byte characters must come back whole.
    std::string longValue;
    for (int i = 0; i < 150; ++i) longValue += "长";
    SetEnvironmentVariableA("ZELVORA_LONG", longValue.c_str());
    Store(HKEY_CURRENT_USER, scratch.path(), "long", REG_EXPAND_SZ,
          BytesOf("%ZELVORA_LONG%%ZELVORA_LONG%", true));
    EXPECT_EQ(ReadRegistryText(3, At("long"), "default"), longValue + longValue);
}

TEST_F(RegistryTest, RootSelectorsOutsideTheTableMeanCurrentUser) {
    for (int root : {0, 6, -1}) {
        SCOPED_TRACE(root);
        ASSERT_TRUE(WriteRegistryText(root, At("root"), "x"));
        EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, scratch.path(), "root").data, BytesOf("x", true));
        EXPECT_EQ(ReadRegistryText(root, At("root"), "default"), "x");
        EXPECT_TRUE(DeleteRegistryEntry(root, At("root")));
    }
}

TEST_F(RegistryTest, WriteStoresTextWithItsNulAndCreatesKeys) {
    ASSERT_TRUE(WriteRegistryText(3, At("a\\b\\c\\value"), "E:\\音乐"));
    const StoredValue stored = ReadStored(HKEY_CURRENT_USER, scratch.path() + "\\a\\b\\c", "value");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, BytesOf("E:\\音乐", true));

    ASSERT_TRUE(WriteRegistryText(3, At("empty"), ""));
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, scratch.path(), "empty").data, Bytes{0});

    // A trailing backslash names the key's unnamed value.
    ASSERT_TRUE(WriteRegistryText(3, At("unnamed\\"), "default value"));
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, scratch.path() + "\\unnamed", "").data,
              BytesOf("default value", true));
}

TEST_F(RegistryTest, WriteKeepsATrailByteBackslashInTheValueName) {
    const std::string name = "Key騖";
    ASSERT_TRUE(WriteRegistryText(3, At(name), "v"));
    EXPECT_TRUE(ReadStored(HKEY_CURRENT_USER, scratch.path(), name).present);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, scratch.path() + "\\Key\xF2"));
}

TEST_F(RegistryTest, DeleteRemovesTheValueElseAKeyWithoutSubkeys) {
    WriteRegistryText(3, At("Cache\\Extensible Cache"), "a value");
    WriteRegistryText(3, At("Cache\\Extensible Cache\\kept"), "x");
    // A value of that name goes first; the key of the same name stays.
    EXPECT_TRUE(DeleteRegistryEntry(3, At("Cache\\Extensible Cache")));
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, At("Cache"), "Extensible Cache").present);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, At("Cache\\Extensible Cache")));

    // Now the path names a key with a value but no subkeys: removed.
    EXPECT_TRUE(DeleteRegistryEntry(3, At("Cache\\Extensible Cache")));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, At("Cache\\Extensible Cache")));

    // A key with subkeys stays.
    WriteRegistryText(3, At("Tree\\Child\\v"), "x");
    EXPECT_FALSE(DeleteRegistryEntry(3, At("Tree")));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, At("Tree\\Child")));

    EXPECT_FALSE(DeleteRegistryEntry(3, At("nothing here")));
}

}  // namespace
